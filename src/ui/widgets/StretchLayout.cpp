// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/StretchLayout.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace orvanta {

StretchLayout::StretchLayout(QWidget* page, QSize base) : QLayout(page), base_(base) {
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetDefaultConstraint);
}

StretchLayout::~StretchLayout() = default;

void StretchLayout::AddColumnLine(int x, int weight) {
    columns_.push_back({x, weight});
}

void StretchLayout::AddRowLine(int y, int weight) {
    rows_.push_back({y, weight});
}

void StretchLayout::Add(QWidget* control) {
    Add(control, {});
}

void StretchLayout::Add(QWidget* control, Placement placement) {
    addChildWidget(control);
    entries_.push_back({std::make_unique<QWidgetItem>(control), control->geometry(), std::move(placement)});
    invalidate();
}

// The extra is shared out by weight, the remainder of the division going to the
// first lines, so the shares always add up to the whole extra.
int StretchLayout::Shift(const std::vector<Line>& lines, int extra, int coordinate) {
    int totalWeight = 0;
    for (const Line& line : lines) {
        totalWeight += line.weight;
    }
    if (totalWeight == 0 || extra == 0) {
        return 0;
    }
    int shift = 0;
    int given = 0;
    int weightSoFar = 0;
    for (const Line& line : lines) {
        weightSoFar += line.weight;
        const int share = extra * weightSoFar / totalWeight - given;
        given += share;
        if (line.position < coordinate) {
            shift += share;
        }
    }
    return shift;
}

int StretchLayout::MapX(int x) const {
    if (proportional_) {
        return static_cast<int>(
            std::lround(static_cast<double>(x) * (base_.width() + extra_.width()) / base_.width()));
    }
    return x + ColumnShift(x);
}

int StretchLayout::ColumnShift(int x) const {
    if (!columnShares_) {
        return Shift(columns_, extra_.width(), x);
    }
    int shift = 0;
    for (std::size_t i = 0; i < columns_.size() && i < columnShareOf_.size(); ++i) {
        if (columns_[i].position < x) {
            shift += columnShareOf_[i];
        }
    }
    return shift;
}

int StretchLayout::MapY(int y) const {
    if (proportional_) {
        return static_cast<int>(
            std::lround(static_cast<double>(y) * (base_.height() + extra_.height()) / base_.height()));
    }
    return y + Shift(rows_, extra_.height(), y);
}

QRect StretchLayout::Map(const QRect& base) const {
    return QRect(QPoint(MapX(base.left()), MapY(base.top())),
                 QPoint(MapX(base.left() + base.width()) - 1, MapY(base.top() + base.height()) - 1));
}

void StretchLayout::addItem(QLayoutItem* item) {
    // Only Add() knows a control's first-size place; anything else stays where it is.
    entries_.push_back({std::unique_ptr<QLayoutItem>(item), item->geometry(), {}});
}

QLayoutItem* StretchLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? entries_[static_cast<std::size_t>(index)].item.get() : nullptr;
}

QLayoutItem* StretchLayout::takeAt(int index) {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    const auto at = entries_.begin() + index;
    QLayoutItem* item = at->item.release();
    entries_.erase(at);
    return item;
}

int StretchLayout::count() const {
    return static_cast<int>(entries_.size());
}

QSize StretchLayout::sizeHint() const {
    return base_;
}

QSize StretchLayout::minimumSize() const {
    return base_;
}

void StretchLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    extra_ = QSize(std::max(0, rect.width() - base_.width()), std::max(0, rect.height() - base_.height()));
    if (columnShares_) {
        columnShareOf_ = columnShares_(extra_);
    }
    for (const Entry& entry : entries_) {
        const QRect place = entry.placement ? entry.placement(*this) : Map(entry.base);
        // Straight to the control, as at the first size: a hidden control (a note shown
        // only while something runs) is placed too, and no size hint overrides the place.
        if (QWidget* control = entry.item->widget()) {
            control->setGeometry(place.translated(rect.topLeft()));
        } else {
            entry.item->setGeometry(place.translated(rect.topLeft()));
        }
    }
}

}  // namespace orvanta
