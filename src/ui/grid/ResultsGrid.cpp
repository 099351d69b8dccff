// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/grid/ResultsGrid.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <memory>

#include "core/model/Category.h"

#include "ui/TabControl.h"
#include "ui/Twips.h"
#include "ui/grid/HistoryRows.h"
#include "ui/widgets/FlexGrid.h"
#include "ui/widgets/GridScrollBar.h"

namespace orvanta {

namespace {

constexpr int kColumnWidthsTwips[] = {500, 450, 450, 400, 400, 400, 430, 400, 400};

int DigitCount(int number) {
    int digits = 1;
    for (; number >= 10; number /= 10) {
        ++digits;
    }
    return digits;
}

}  // namespace

ResultsGrid::ResultsGrid(const SpinModel& model, QWidget* page) : QObject(page), model_(model) {
    auto rows = std::make_unique<HistoryRows>(model_, kWindowRows, page->palette());
    rows_ = rows.get();
    grid_ = new FlexGrid(std::move(rows), page);
    scroll_ = new GridScrollBar(kWindowRows, page);
    grid_->setObjectName("FlexGrid1");
    grid_->setAccessibleName("Results");
    TabControl::Place(grid_, 240, 720, 4575, 5055);

    scroll_->setObjectName("ScrollMain");
    scroll_->setAccessibleName("Scroll results");
    grid_->setScrollBar(scroll_);
    TabControl::Place(scroll_, 4800, 720, 255, 5050);
    connect(scroll_, &QScrollBar::valueChanged, this, &ResultsGrid::UpdateGridMain);
    connect(grid_, &FlexGrid::clicked, this, [this](const QModelIndex& index) { PickRow(index.row()); });
    grid_->installEventFilter(this);
    baseSize_ = grid_->size();
}

void ResultsGrid::SetColumnWidths() {
    for (int column = 0; column <= kCategoryCount; ++column) {
        grid_->setColumnWidthTwips(column, kColumnWidthsTwips[column]);
    }
    columnsSet_ = true;
    FitToSize();
}

// A grid larger than the layout's shows as many whole rows as its height holds (the
// layout's 19 at the first size) and shares its extra width out among the category
// columns.
void ResultsGrid::FitToSize() {
    const QSize extra = (grid_->size() - baseSize_).expandedTo(QSize(0, 0));
    if (extra.height() > 0) {
        setVisibleRows(grid_->RowsThatFit() - 1);
    } else {
        setVisibleRows(kWindowRows);
    }
    if (!columnsSet_) {
        return;
    }
    int categoriesWidth = 0;
    for (int column = 1; column <= kCategoryCount; ++column) {
        categoriesWidth += TwipsToPixels(kColumnWidthsTwips[column]);
    }
    int given = 0;
    for (int column = 1; column <= kCategoryCount; ++column) {
        const int base = TwipsToPixels(kColumnWidthsTwips[column]);
        given += base;
        // Edges scaled, so the shares add up to the whole extra width.
        const int before = (given - base) + extra.width() * (given - base) / categoriesWidth;
        const int after = given + extra.width() * given / categoriesWidth;
        grid_->setColumnWidth(column, after - before);
    }
}

void ResultsGrid::WriteHeaders() {
    rows_->ShowHeaders();
}

void ResultsGrid::FollowHistory(const HistoryChange& change) {
    if (change.replaced) {
        SelectSlot(0);
    } else {
        FollowChange(change.position, change.removed, change.inserted);
    }
    UpdateGridMain();
}

void ResultsGrid::UpdateGridMain() {
    const int count = model_.SpinCount();
    {
        // The range follows the history both ways, so a window scrolled back stays
        // inside the spins after the history was emptied and refilled. The refresh
        // below already shows the clamped position; no second refresh is needed.
        const QSignalBlocker blocker(scroll_);
        scroll_->setMaximum(std::max(0, count - visibleRows()));
    }
    rows_->ShowFrom(scroll_->value());
    const int selected = SelectedSlot();
    const int selectedRow = count - scroll_->value() - selected + 1;
    grid_->setMarkedRow(selected > 0 && rows_->SlotAt(selectedRow) == selected ? selectedRow : -1);
    FitPositionColumn(count);
}

int ResultsGrid::visibleRows() const {
    return rows_->visibleRows();
}

void ResultsGrid::setVisibleRows(int rows) {
    rows = std::max(1, rows);
    if (rows == visibleRows()) {
        return;
    }
    rows_->setVisibleRows(rows);
    scroll_->setRowsPerPage(rows);
    UpdateGridMain();
}

// The position column is as wide as the layout makes it, and wider once positions
// reach more digits than it holds (from 10,000 on); the grid has room to its right.
// It fits the newest position, so its width stays put while the user scrolls.
void ResultsGrid::FitPositionColumn(int newestPosition) {
    const int digits = DigitCount(newestPosition);
    if (digits == positionDigits_) {
        return;
    }
    positionDigits_ = digits;
    grid_->setColumnWidthFor(0, QString(digits, QLatin1Char('0')), kColumnWidthsTwips[0]);
}

int ResultsGrid::SelectedSlot() const {
    return pickedSlot_ > 0 && pickedSlot_ <= model_.SpinCount() ? pickedSlot_ : model_.SpinCount();
}

void ResultsGrid::SelectSlot(int slot) {
    pickedSlot_ = slot > 0 && slot < model_.SpinCount() ? slot : 0;
    UpdateGridMain();
    emit selectionChanged();
}

void ResultsGrid::FollowChange(int position, int removed, int inserted) {
    if (pickedSlot_ == 0) {
        return;
    }
    if (pickedSlot_ >= position + removed) {
        pickedSlot_ += inserted - removed;
    } else if (pickedSlot_ >= position) {
        pickedSlot_ = position + inserted;
    }
    // The newest spin is picked without a pick of its own, so the pick follows new spins.
    if (pickedSlot_ >= model_.SpinCount()) {
        pickedSlot_ = 0;
    }
}

void ResultsGrid::PickRow(int row) {
    if (const int slot = rows_->SlotAt(row); slot > 0) {
        SelectSlot(slot);
    }
}

// Keeps the slot inside the window, moving it as little as possible.
void ResultsGrid::ScrollTo(int slot) {
    const int newestShown = model_.SpinCount() - scroll_->value();
    if (slot > newestShown) {
        scroll_->setValue(model_.SpinCount() - slot);
    } else if (slot <= newestShown - visibleRows()) {
        scroll_->setValue(model_.SpinCount() - slot - (visibleRows() - 1));
    }
}

bool ResultsGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::Resize) {
        FitToSize();
    }
    if (watched != grid_ || event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const int selected = SelectedSlot();
    const auto* key = static_cast<QKeyEvent*>(event);
    // The plain arrows scroll the grid like its scroll bar; with Shift they move the pick.
    const bool shifted = key->modifiers().testFlag(Qt::ShiftModifier);
    switch (key->key()) {
        case Qt::Key_Up:  // newer spins are higher up
        case Qt::Key_Down: {
            if (!shifted) {
                return QObject::eventFilter(watched, event);
            }
            const bool up = key->key() == Qt::Key_Up;
            const int slot = up ? selected + 1 : selected - 1;
            if (slot >= 1 && slot <= model_.SpinCount()) {
                ScrollTo(slot);
                SelectSlot(slot);
            }
            return true;
        }
        case Qt::Key_Delete:
            emit removeRequested();
            return true;
        case Qt::Key_Insert:
            emit insertRequested();
            return true;
        default:
            return QObject::eventFilter(watched, event);
    }
}

}  // namespace orvanta
