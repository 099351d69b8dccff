// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <array>

#include "core/model/SpinModel.h"

#include "ui/edit/HistoryChange.h"

class QScrollBar;
class QWidget;

namespace orvanta {

class FlexGrid;

// FlexGrid1 and ScrollMain: the newest 19 spins, newest at the top, one column per
// category, and the scroll bar that walks the window back through older spins.
class ResultsGrid : public QObject {
    Q_OBJECT
public:
    static constexpr int kWindowRows = 19;

    ResultsGrid(const SpinModel& model, QWidget* page);

    void SetColumnWidths();
    void WriteHeaders();

    // Rewrites the window of spins from the model.
    void UpdateGridMain();
    // Follows a change of the history: the pick stays on its spin, and the window of
    // spins is rewritten.
    void FollowHistory(const HistoryChange& change);

    // The spin that "Remove Item" and "Insert Item" act on: the one the user picked
    // (a click on its row), else the newest; 0 when the history is empty.
    int SelectedSlot() const;
    // Picks the spin in slot (0: none, so the newest counts as picked).
    void SelectSlot(int slot);
    // Keeps the pick on the same spin after removed spins were taken out at position
    // and inserted ones put there; a picked spin that was taken out passes the pick
    // to the spin that took its place.
    void FollowChange(int position, int removed, int inserted);

    FlexGrid* grid() const { return grid_; }
    QScrollBar* scrollBar() const { return scroll_; }

signals:
    void selectionChanged();
    // Delete and Insert pressed in the grid.
    void removeRequested();
    void insertRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WriteRow(int row, int slot);
    void FitPositionColumn(int newestPosition);
    void PickRow(int row);
    void ScrollTo(int slot);

    // What a row shows of each number never changes, so it is worked out once.
    struct CellLook {
        QString text;
        QColor textColor;
        QColor backColor;
    };
    using RowLook = std::array<CellLook, 8>;

    const SpinModel& model_;
    std::array<RowLook, kNumberCount> rowLooks_;
    FlexGrid* grid_;
    QScrollBar* scroll_;
    int positionDigits_ = 0;
    int pickedSlot_ = 0;
};

}  // namespace orvanta
