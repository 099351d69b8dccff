// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calc/OutputLines.h"

#include <algorithm>

namespace orvanta {

namespace {

const QLatin1String kLineEnd("\r\n");

}  // namespace

void OutputLines::AppendItem(const QString& text) {
    const auto item = static_cast<int>(items_.size());
    const auto count = static_cast<int>(text.count(kLineEnd)) + 1;
    const auto first = static_cast<int>(lines_.size());
    beginInsertRows(QModelIndex(), first, first + count - 1);
    items_.push_back(text);
    lines_.reserve(lines_.size() + static_cast<std::size_t>(count));
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(kLineEnd, start);
        const qsizetype stop = end < 0 ? text.size() : end;
        lines_.push_back({item, static_cast<int>(start), static_cast<int>(stop - start)});
        if (end < 0) {
            break;
        }
        start = end + kLineEnd.size();
    }
    endInsertRows();
}

void OutputLines::Clear() {
    beginResetModel();
    items_ = {};
    lines_ = {};
    endResetModel();
}

QString OutputLines::lineText(int row) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    const Line& line = lines_[static_cast<std::size_t>(row)];
    return items_[static_cast<std::size_t>(line.item)].mid(line.start, line.length);
}

QString OutputLines::LinesText(int first, int last) const {
    QString text;
    const int top = std::max(first, 0);
    for (int row = top; row <= std::min(last, rowCount() - 1); ++row) {
        if (row > top) {
            text += QLatin1Char('\n');
        }
        const Line& line = lines_[static_cast<std::size_t>(row)];
        text += QStringView(items_[static_cast<std::size_t>(line.item)]).mid(line.start, line.length);
    }
    return text;
}

int OutputLines::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant OutputLines::data(const QModelIndex& index, int role) const {
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return lineText(index.row());
    }
    return {};
}

}  // namespace orvanta
