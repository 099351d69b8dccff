// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "core/analysis/PastResults.h"

#include "ui/widgets/GridScrollBar.h"

class QWidget;

namespace orvanta {

class FlexGrid;

// SearchGrid1/ScrollS1 and SearchGrid2/ScrollS2: the two follower lists of the last
// analysis run, 18 entries at a time (more when the page grows taller), coloured under
// the category chosen now. Each grid's tooltip gives its list's totals.
class SearchGrids : public QObject {
    Q_OBJECT
public:
    static constexpr int kVisibleEntries = 18;

    // categoryText gives the category's name at the moment of each refresh.
    SearchGrids(QWidget* page, std::function<QString()> categoryText);

    void SetColumnWidths();

    // Forgets both lists and empties both grids.
    void Clear();
    void SetLists(PastResults results);

    void UpdateSearch1() { UpdateSearch(panes_[0]); }
    void UpdateSearch2() { UpdateSearch(panes_[1]); }

    FlexGrid* grid(int which) const { return panes_[which - 1].grid; }
    QScrollBar* scrollBar(int which) const { return panes_[which - 1].scroll; }
    const std::vector<std::string>& list(int which) const { return panes_[which - 1].list; }
    int visibleEntries() const { return visibleEntries_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pane {
        FlexGrid* grid = nullptr;
        GridScrollBar* scroll = nullptr;
        std::vector<std::string> list;
    };

    Pane MakePane(QWidget* page, int index, int gridLeft, int scrollLeft);
    void UpdateSearch(Pane& pane);
    // As many entries as the grids' height shows.
    void FitEntries();

    std::function<QString()> categoryText_;
    Pane panes_[2];
    int visibleEntries_ = kVisibleEntries;
    int baseHeight_ = 0;  // the grids' height at the window's first size
};

}  // namespace orvanta
