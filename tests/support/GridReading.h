// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractItemModel>
#include <QColor>
#include <QTableView>

#include <string>
#include <vector>

#include "core/colors/Rgb.h"

namespace orvanta::testing {

// Grids are read through their models, as a screen reader or any view would.
inline std::string CellText(const QTableView* grid, int row, int column) {
    return grid->model()->index(row, column).data(Qt::DisplayRole).toString().toStdString();
}

inline Rgb CellColor(const QTableView* grid, int row, int column, int role) {
    const QColor c = grid->model()->index(row, column).data(role).value<QColor>();
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

inline Rgb CellBack(const QTableView* grid, int row, int column) {
    return CellColor(grid, row, column, Qt::BackgroundRole);
}

inline Rgb CellFore(const QTableView* grid, int row, int column) {
    return CellColor(grid, row, column, Qt::ForegroundRole);
}

inline std::vector<std::string> RowTexts(const QTableView* grid, int row) {
    std::vector<std::string> texts;
    for (int c = 0; c < grid->model()->columnCount(); ++c) {
        texts.push_back(CellText(grid, row, c));
    }
    return texts;
}

inline std::vector<std::string> ColumnTexts(const QTableView* grid, int column, int fromRow, int toRow) {
    std::vector<std::string> texts;
    for (int r = fromRow; r <= toRow; ++r) {
        texts.push_back(CellText(grid, r, column));
    }
    return texts;
}

}  // namespace orvanta::testing
