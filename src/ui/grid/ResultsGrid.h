// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <array>

#include "core/model/SpinModel.h"

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

    FlexGrid* grid() const { return grid_; }
    QScrollBar* scrollBar() const { return scroll_; }

private:
    void WriteRow(int row, int slot);
    void FitPositionColumn(int newestPosition);

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
};

}  // namespace orvanta
