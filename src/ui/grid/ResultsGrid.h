// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QSize>

#include "core/model/SpinModel.h"

#include "ui/edit/HistoryChange.h"
#include "ui/widgets/GridScrollBar.h"

class QWidget;

namespace orvanta {

class FlexGrid;
class HistoryRows;

// FlexGrid1 and ScrollMain: a window of the newest spins, newest at the top, one column
// per category, and the scroll bar that walks the window back through older spins. The
// rows are read from the history when the grid paints.
class ResultsGrid : public QObject {
    Q_OBJECT
public:
    // The rows the layout shows.
    static constexpr int kWindowRows = 19;

    ResultsGrid(const SpinModel& model, QWidget* page);

    void SetColumnWidths();
    void WriteHeaders();

    // Brings the window in line with the history: the scroll range, the rows shown and
    // the pick. What it costs does not depend on the history's length.
    void UpdateGridMain();
    // Follows a change of the history: the pick stays on its spin, and the window of
    // spins is rewritten.
    void FollowHistory(const HistoryChange& change);

    // How many spins the window shows at once; the scroll range follows it.
    int visibleRows() const;
    void setVisibleRows(int rows);

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
    void FitPositionColumn(int newestPosition);
    void FitToSize();
    void PickRow(int row);
    void ScrollTo(int slot);

    const SpinModel& model_;
    HistoryRows* rows_;
    FlexGrid* grid_;
    GridScrollBar* scroll_;
    int positionDigits_ = 0;
    int pickedSlot_ = 0;
    QSize baseSize_;  // the grid's size at the window's first size
    bool columnsSet_ = false;
};

}  // namespace orvanta
