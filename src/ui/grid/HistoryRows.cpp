// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/grid/HistoryRows.h"

#include "core/colors/CellColors.h"

#include "ui/QtConvert.h"

namespace orvanta {

HistoryRows::HistoryRows(const SpinModel& model, int visibleRows, const QPalette& palette)
    : GridModel(visibleRows + 1, kCategoryCount + 1, 1, 1, palette), model_(model) {
    for (int n = 0; n < kNumberCount; ++n) {
        const NumberInfo& info = model_.Table()[static_cast<std::size_t>(n)];
        for (const Category& category : kCategories) {
            const int column = category.Column;
            const std::string& code = info.*category.Field;
            // The number column shows a blank where a sign would stand.
            const QString text = column == 1 ? QStringLiteral(" ") + QString::number(n) : FromStd(code);
            rowLooks_[static_cast<std::size_t>(n)][static_cast<std::size_t>(column - 1)] = {
                text, ToQColor(GetTextColor(column)), ToQColor(GetBackColor(code, column))};
        }
    }
}

void HistoryRows::setVisibleRows(int rows) {
    setRows(rows + 1);
}

void HistoryRows::ShowHeaders() {
    for (const Category& category : kCategories) {
        headers_[static_cast<std::size_t>(category.Column)] = FromStd(category.Header);
    }
    changed(0, 0);
    changed(0, kCategoryCount);
}

void HistoryRows::ShowFrom(int offset) {
    offset_ = offset;
    begin();
    changed(1, 0);
    changed(visibleRows(), kCategoryCount);
    end();
}

int HistoryRows::SlotAt(int row) const {
    const int slot = model_.SpinCount() - offset_ - row + 1;
    return row >= 1 && row <= visibleRows() && slot >= 1 && slot <= model_.SpinCount() ? slot : 0;
}

const HistoryRows::CellLook* HistoryRows::LookAt(int row, int column) const {
    const int slot = SlotAt(row);
    if (slot == 0 || column < 1 || column > kCategoryCount) {
        return nullptr;
    }
    return &rowLooks_[static_cast<std::size_t>(model_.SpinAt(slot))][static_cast<std::size_t>(column - 1)];
}

QString HistoryRows::text(int row, int column) const {
    if (row == 0) {
        return headers_[static_cast<std::size_t>(column)];
    }
    if (column == 0) {
        const int slot = SlotAt(row);
        return slot > 0 ? QString::number(slot) : QString();
    }
    const CellLook* look = LookAt(row, column);
    return look != nullptr ? look->text : QString();
}

std::optional<QColor> HistoryRows::textColor(int row, int column) const {
    const CellLook* look = LookAt(row, column);
    return look != nullptr ? std::optional(look->textColor) : std::nullopt;
}

std::optional<QColor> HistoryRows::backColor(int row, int column) const {
    const CellLook* look = LookAt(row, column);
    return look != nullptr ? std::optional(look->backColor) : std::nullopt;
}

}  // namespace orvanta
