// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/analysis/SearchGrids.h"

#include <QEvent>
#include <QScrollBar>

#include <algorithm>

#include "core/analysis/PastResultsSummary.h"
#include "core/colors/CellColors.h"
#include "core/model/Category.h"

#include "ui/QtConvert.h"
#include "ui/TabControl.h"
#include "ui/widgets/FlexGrid.h"
#include "ui/widgets/GridScrollBar.h"

namespace orvanta {

namespace {

constexpr int kColumnWidthTwips = 400;
constexpr int kTop = 1080;

}  // namespace

SearchGrids::SearchGrids(QWidget* page, std::function<QString()> categoryText)
    : QObject(page), categoryText_(std::move(categoryText)) {
    panes_[0] = MakePane(page, 1, 5400, 5880);
    panes_[1] = MakePane(page, 2, 6240, 6720);
    connect(panes_[0].scroll, &QScrollBar::valueChanged, this, &SearchGrids::UpdateSearch1);
    connect(panes_[1].scroll, &QScrollBar::valueChanged, this, &SearchGrids::UpdateSearch2);
    baseHeight_ = panes_[0].grid->height();
    panes_[0].grid->installEventFilter(this);
}

bool SearchGrids::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == panes_[0].grid) {
        FitEntries();
    }
    return QObject::eventFilter(watched, event);
}

void SearchGrids::FitEntries() {
    // As many whole rows as the grid holds, the layout's 18 entries at its first size.
    const FlexGrid* grid = panes_[0].grid;
    const int entries = grid->height() > baseHeight_ ? grid->RowsThatFit() - 1 : kVisibleEntries;
    if (entries == visibleEntries_) {
        return;
    }
    visibleEntries_ = entries;
    for (Pane& pane : panes_) {
        pane.grid->setRowCount(entries + 1);
        pane.scroll->setRowsPerPage(entries);
        UpdateSearch(pane);
    }
}

SearchGrids::Pane SearchGrids::MakePane(QWidget* page, int index, int gridLeft, int scrollLeft) {
    Pane pane;
    pane.grid = new FlexGrid(kVisibleEntries + 1, 1, 1, 0, page);
    pane.grid->setObjectName(QStringLiteral("SearchGrid%1").arg(index));
    pane.grid->setAccessibleName(index == 1 ? QStringLiteral("Followers")
                                            : QStringLiteral("Recursive followers"));
    TabControl::Place(pane.grid, gridLeft, kTop, 495, 4740);

    pane.scroll = new GridScrollBar(kVisibleEntries, page);
    pane.scroll->setObjectName(QStringLiteral("ScrollS%1").arg(index));
    pane.scroll->setAccessibleName(QStringLiteral("Scroll %1").arg(pane.grid->accessibleName().toLower()));
    pane.grid->setScrollBar(pane.scroll);
    TabControl::Place(pane.scroll, scrollLeft, kTop, 255, 4735);
    return pane;
}

void SearchGrids::SetColumnWidths() {
    for (const Pane& pane : panes_) {
        pane.grid->setColumnWidthTwips(0, kColumnWidthTwips);
    }
}

void SearchGrids::Clear() {
    for (Pane& pane : panes_) {
        pane.list.clear();
        pane.grid->ClearAll();
    }
}

void SearchGrids::SetLists(PastResults results) {
    panes_[0].list = std::move(results.list1);
    panes_[1].list = std::move(results.list2);
    for (const Pane& pane : panes_) {
        const QString totals = FromStd(ListTotals(pane.list));
        pane.grid->setToolTip(totals.isEmpty() ? QString() : pane.grid->accessibleName() + ": " + totals);
        pane.grid->setAccessibleDescription(totals);
    }
}

void SearchGrids::UpdateSearch(Pane& pane) {
    pane.grid->setDefaultTextColor(Qt::black);
    pane.grid->setDefaultBackColor(Qt::white);

    const Category* category = FindCategory(categoryText_().toStdString());
    const int column = category != nullptr ? category->Column : 0;

    const int count = static_cast<int>(pane.list.size());
    const int rows = std::min(count, visibleEntries_);
    // Lowering the maximum below the position moves the position, which refreshes this
    // grid once more from inside; both refreshes draw the same final picture.
    pane.scroll->setMaximum(std::max(0, count - visibleEntries_));

    pane.grid->BeginUpdate();
    for (int row = 1; row <= rows; ++row) {
        const std::string& entry = pane.list[static_cast<std::size_t>(pane.scroll->value() + row - 1)];
        pane.grid->setCellText(row, 0, FromStd(entry));
        if (column == kColorColumn) {
            pane.grid->setCellTextColor(row, 0, Qt::white);
        }
        pane.grid->setCellBackColor(row, 0, ToQColor(GetBackColor(entry, column)));
    }
    pane.grid->EndUpdate();
}

}  // namespace orvanta
