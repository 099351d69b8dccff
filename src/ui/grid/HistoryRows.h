// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>

#include <array>

#include "core/model/Category.h"
#include "core/model/SpinModel.h"

#include "ui/widgets/GridModel.h"

namespace orvanta {

// The rows of the results grid, read from the history when the grid paints, so that no
// spin costs the grid more than a note that it changed. Row 1 shows the newest spin in
// view, each row below the spin before it, and rows past the oldest spin stay empty.
// Row 0 holds the column headers, column 0 the positions.
class HistoryRows : public GridModel {
public:
    HistoryRows(const SpinModel& model, int visibleRows, const QPalette& palette);

    int visibleRows() const { return rowCount() - 1; }
    void setVisibleRows(int rows);

    void ShowHeaders();
    // Puts the spin offset spins back from the newest on the top row, and has the grid
    // paint its rows afresh.
    void ShowFrom(int offset);
    // The slot of the history that row shows; 0 for none.
    int SlotAt(int row) const;

protected:
    QString text(int row, int column) const override;
    std::optional<QColor> textColor(int row, int column) const override;
    std::optional<QColor> backColor(int row, int column) const override;

private:
    // What a row shows of each number never changes, so it is worked out once.
    struct CellLook {
        QString text;
        QColor textColor;
        QColor backColor;
    };
    using RowLook = std::array<CellLook, kCategoryCount>;

    // The look of a category cell of row; nullptr for a header, position or empty cell.
    const CellLook* LookAt(int row, int column) const;

    const SpinModel& model_;
    std::array<RowLook, kNumberCount> rowLooks_;
    std::array<QString, kCategoryCount + 1> headers_;
    int offset_ = 0;
};

}  // namespace orvanta
