// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/analysis/SearchGrids.h"

#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include "core/colors/CellColors.h"

#include "ui/widgets/FlexGrid.h"

#include "support/GridReading.h"

namespace orvanta {
namespace {

using testing::CellBack;
using testing::CellFore;
using testing::CellText;
using testing::ColumnTexts;

std::string Entry(int i) {
    std::string text = std::to_string(i % 37);
    text.resize(2, ' ');
    return text;
}

std::vector<std::string> Entries(int from, int to) {
    std::vector<std::string> list;
    for (int i = from; i <= to; ++i) {
        list.push_back(Entry(i));
    }
    return list;
}

class SearchGridsTest : public ::testing::Test {
protected:
    QWidget page_;
    QString category_ = "Number";
    SearchGrids grids_{&page_, [this] { return category_; }};

    void Show(std::vector<std::string> list1, std::vector<std::string> list2 = {}) {
        grids_.Clear();
        grids_.SetLists({std::move(list1), std::move(list2)});
        grids_.UpdateSearch1();
        grids_.UpdateSearch2();
    }
    std::vector<std::string> Shown(int which) const {
        return ColumnTexts(grids_.grid(which), 0, 1, SearchGrids::kVisibleEntries);
    }
};

struct PagingRow {
    int entries;
    int maximum;
    int position;
    int firstShown;  // 0 when nothing is shown
};

class SearchGridPaging : public SearchGridsTest, public ::testing::WithParamInterface<PagingRow> {};

TEST_P(SearchGridPaging, ShowsEighteenEntriesFromThePosition) {
    const PagingRow& row = GetParam();
    Show(Entries(1, row.entries));
    EXPECT_EQ(grids_.scrollBar(1)->maximum(), row.maximum);
    grids_.scrollBar(1)->setValue(row.position);

    std::vector<std::string> expected;
    if (row.firstShown > 0) {
        expected = Entries(row.firstShown, std::min(row.entries, row.firstShown + 17));
    }
    expected.resize(SearchGrids::kVisibleEntries);
    EXPECT_EQ(Shown(1), expected);
}

INSTANTIATE_TEST_SUITE_P(Lists, SearchGridPaging,
                         ::testing::Values(PagingRow{0, 0, 0, 0}, PagingRow{3, 0, 0, 1},
                                           PagingRow{18, 0, 0, 1}, PagingRow{19, 1, 0, 1},
                                           PagingRow{19, 1, 1, 2}, PagingRow{1024, 1006, 1006, 1007},
                                           PagingRow{5000, 4982, 4982, 4983}));

TEST_F(SearchGridsTest, NumbersAreGreyAndColorsWhiteOnTheirColour) {
    Show({"5 ", "8 ", "5 "});
    EXPECT_EQ(CellBack(grids_.grid(1), 1, 0), (Rgb{248, 248, 248}));
    EXPECT_EQ(CellBack(grids_.grid(1), 2, 0), (Rgb{243, 243, 243}));
    EXPECT_EQ(CellFore(grids_.grid(1), 1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(CellText(grids_.grid(1), 4, 0), "");

    category_ = "Color";
    Show({"R ", "B ", "- "});
    EXPECT_EQ(CellBack(grids_.grid(1), 1, 0), (Rgb{192, 0, 0}));
    EXPECT_EQ(CellBack(grids_.grid(1), 2, 0), (Rgb{1, 1, 1}));
    EXPECT_EQ(CellBack(grids_.grid(1), 3, 0), (Rgb{0, 192, 0}));
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(CellFore(grids_.grid(1), row, 0), (Rgb{255, 255, 255}));
    }
}

// The category is read at every refresh, not remembered from the run.
TEST_F(SearchGridsTest, ScrollingAfterACategoryChangeRecolours) {
    category_ = "Color";
    Show(Entries(1, 20));
    category_ = "Column";
    grids_.scrollBar(1)->setValue(1);
    for (int row = 1; row <= SearchGrids::kVisibleEntries; ++row) {
        const std::string entry = Entry(row + 1);
        EXPECT_EQ(CellText(grids_.grid(1), row, 0), entry);
        EXPECT_EQ(CellBack(grids_.grid(1), row, 0), GetBackColor(entry, 7)) << row;
        // White text given under "Color" stays until the next run clears the grid.
        EXPECT_EQ(CellFore(grids_.grid(1), row, 0), (Rgb{255, 255, 255})) << row;
    }
}

TEST_F(SearchGridsTest, ANameOfNoCategoryColoursLikeColumnZero) {
    category_ = "colour";
    Show({"  ", "0 ", "- "});
    EXPECT_EQ(CellBack(grids_.grid(1), 1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(CellBack(grids_.grid(1), 2, 0), (Rgb{0, 192, 0}));
    EXPECT_EQ(CellBack(grids_.grid(1), 3, 0), (Rgb{0, 192, 0}));
    EXPECT_EQ(CellFore(grids_.grid(1), 1, 0), (Rgb{0, 0, 0}));
}

// A new, shorter list lowers the maximum below the old position; the position
// follows and the grid shows the end of the new list.
TEST_F(SearchGridsTest, AShorterListPullsThePositionBack) {
    Show(Entries(1, 100));
    grids_.scrollBar(1)->setValue(80);
    Show(Entries(1, 30));
    EXPECT_EQ(grids_.scrollBar(1)->maximum(), 12);
    EXPECT_EQ(grids_.scrollBar(1)->value(), 12);
    std::vector<std::string> expected = Entries(13, 30);
    EXPECT_EQ(Shown(1), expected);
}

TEST_F(SearchGridsTest, EachScrollBarMovesOnlyItsOwnGrid) {
    Show(Entries(1, 40), Entries(100, 140));
    const std::vector<std::string> first = Shown(1);
    grids_.scrollBar(2)->setValue(5);
    EXPECT_EQ(Shown(1), first);
    EXPECT_EQ(CellText(grids_.grid(2), 1, 0), Entry(105));
}

}  // namespace
}  // namespace orvanta
