// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/GridModel.h"

#include <algorithm>
#include <limits>

namespace orvanta {

GridModel::GridModel(int rows, int columns, int fixedRows, int fixedColumns, const QPalette& palette)
    : rows_(rows),
      columns_(columns),
      fixedRows_(fixedRows),
      fixedColumns_(fixedColumns),
      alignments_(static_cast<std::size_t>(columns)),
      fixedBack_(palette.color(QPalette::Button)),
      fixedText_(palette.color(QPalette::ButtonText)),
      markedBack_(palette.color(QPalette::Highlight)),
      markedText_(palette.color(QPalette::HighlightedText)),
      defaultBack_(palette.color(QPalette::Base)),
      defaultText_(palette.color(QPalette::Text)) {
    resetDirty();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    const bool fixed = row < fixedRows_ || column < fixedColumns_;
    const bool marked = fixed && row == markedRow_;
    switch (role) {
        case Qt::DisplayRole:
            return text(row, column);
        case Qt::BackgroundRole:
            return marked ? markedBack_ : fixed ? fixedBack_ : backColor(row, column).value_or(defaultBack_);
        case Qt::ForegroundRole:
            return marked ? markedText_ : fixed ? fixedText_ : textColor(row, column).value_or(defaultText_);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Alignment(column, text(row, column)));
        default:
            return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void GridModel::setAlignment(int column, Qt::Alignment alignment) {
    alignments_[static_cast<std::size_t>(column)] = alignment;
    changedAll();
}

void GridModel::setDefaultText(const QColor& color) {
    defaultText_ = color;
    changedAll();
}

void GridModel::setDefaultBack(const QColor& color) {
    defaultBack_ = color;
    changedAll();
}

void GridModel::setMarkedRow(int row) {
    if (row == markedRow_) {
        return;
    }
    const int before = markedRow_;
    markedRow_ = row;
    for (const int changedRow : {before, row}) {
        if (changedRow >= 0 && changedRow < rows_) {
            changed(changedRow, 0);
            changed(changedRow, columns_ - 1);
        }
    }
}

void GridModel::end() {
    if (batchDepth_ > 0 && --batchDepth_ == 0 && dirtyTop_ <= dirtyBottom_) {
        emit dataChanged(index(dirtyTop_, dirtyLeft_), index(dirtyBottom_, dirtyRight_));
        resetDirty();
    }
}

void GridModel::changed(int row, int column) {
    if (batchDepth_ == 0) {
        const QModelIndex cell = index(row, column);
        emit dataChanged(cell, cell);
        return;
    }
    dirtyTop_ = std::min(dirtyTop_, row);
    dirtyBottom_ = std::max(dirtyBottom_, row);
    dirtyLeft_ = std::min(dirtyLeft_, column);
    dirtyRight_ = std::max(dirtyRight_, column);
}

void GridModel::changedAll() {
    if (batchDepth_ == 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
        return;
    }
    changed(0, 0);
    changed(rows_ - 1, columns_ - 1);
}

void GridModel::setRows(int rows) {
    rows = std::max(rows, fixedRows_);
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
        if (markedRow_ >= rows_) {
            markedRow_ = -1;
        }
        resetDirty();
    }
}

// Without an alignment of its own a column aligns like the classic grid: numbers to
// the right, text to the left.
Qt::Alignment GridModel::Alignment(int column, const QString& text) const {
    const std::optional<Qt::Alignment>& own = alignments_[static_cast<std::size_t>(column)];
    if (own) {
        return *own;
    }
    bool numeric = false;
    text.trimmed().toDouble(&numeric);
    return (numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

void GridModel::resetDirty() {
    dirtyTop_ = dirtyLeft_ = std::numeric_limits<int>::max();
    dirtyBottom_ = dirtyRight_ = -1;
}

}  // namespace orvanta
