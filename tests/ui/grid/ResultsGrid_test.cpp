// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/grid/ResultsGrid.h"

#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "ui/widgets/FlexGrid.h"

#include "support/GridReading.h"

namespace orvanta {
namespace {

using testing::CellText;
using testing::ColumnTexts;

class ResultsGridTest : public ::testing::Test {
protected:
    NumberTable table_ = BuildNumberTable();
    SpinModel model_{table_};
    QWidget page_;
    ResultsGrid grid_{model_, &page_};

    void Spin(int n) {
        model_.AddResult(n);
        grid_.UpdateGridMain();
    }
    void SpinMany(int count) {
        for (int i = 0; i < count; ++i) {
            Spin((i * 7 + 3) % 37);
        }
    }
    // Column 0 of rows 1 to 19: the history positions the window shows.
    std::vector<std::string> Positions() const {
        return ColumnTexts(grid_.grid(), 0, 1, ResultsGrid::kWindowRows);
    }
    static std::vector<std::string> Countdown(int from, int to, int rows = ResultsGrid::kWindowRows) {
        std::vector<std::string> texts;
        for (int i = from; i >= to; --i) {
            texts.push_back(std::to_string(i));
        }
        texts.resize(static_cast<std::size_t>(rows));
        return texts;
    }
};

TEST_F(ResultsGridTest, WindowFollowsTheScrollBar) {
    SpinMany(19);
    EXPECT_EQ(Positions(), Countdown(19, 1));
    EXPECT_EQ(grid_.scrollBar()->maximum(), 0);

    Spin(5);
    EXPECT_EQ(grid_.scrollBar()->maximum(), 1);
    EXPECT_EQ(Positions(), Countdown(20, 2));
    grid_.scrollBar()->setValue(1);
    EXPECT_EQ(Positions(), Countdown(19, 1));
}

TEST_F(ResultsGridTest, AScrolledWindowKeepsItsDistanceFromTheNewest) {
    SpinMany(25);
    grid_.scrollBar()->setValue(6);
    EXPECT_EQ(Positions(), Countdown(19, 1));
    Spin(9);
    EXPECT_EQ(grid_.scrollBar()->maximum(), 7);
    EXPECT_EQ(grid_.scrollBar()->value(), 6);
    EXPECT_EQ(Positions(), Countdown(20, 2));
}

TEST_F(ResultsGridTest, PositionsCountTheHistoryNotTheRows) {
    SpinMany(40);
    grid_.scrollBar()->setValue(10);
    EXPECT_EQ(CellText(grid_.grid(), 1, 0), "30");
    EXPECT_EQ(CellText(grid_.grid(), 19, 0), "12");
}

// After the history is emptied and refilled, no row may show a spin of the old
// history and the window must stay inside the new one.
TEST_F(ResultsGridTest, ClearAndRefillStaysConsistent) {
    SpinMany(40);
    grid_.scrollBar()->setValue(15);
    model_.ClearResults();
    for (int n : {1, 2, 3, 4, 5}) {
        Spin(n);
    }
    EXPECT_EQ(grid_.scrollBar()->maximum(), 0);
    EXPECT_EQ(grid_.scrollBar()->value(), 0);
    EXPECT_EQ(Positions(), Countdown(5, 1));
    for (int row = 6; row <= ResultsGrid::kWindowRows; ++row) {
        for (int column = 0; column <= 8; ++column) {
            EXPECT_EQ(CellText(grid_.grid(), row, column), "") << row << "," << column;
        }
    }
    EXPECT_EQ(CellText(grid_.grid(), 1, 1), " 5");

    SpinMany(20);
    EXPECT_EQ(grid_.scrollBar()->maximum(), 6);
    EXPECT_EQ(Positions(), Countdown(25, 7));
}

TEST_F(ResultsGridTest, RangeFollowsLongHistoriesBeyondSixteenBits) {
    for (int i = 0; i < 70000; ++i) {
        model_.AddResult(i % 37);
    }
    grid_.UpdateGridMain();
    EXPECT_EQ(grid_.scrollBar()->maximum(), 70000 - 19);
    grid_.scrollBar()->setValue(grid_.scrollBar()->maximum());
    EXPECT_EQ(Positions(), Countdown(19, 1));
}

// A taller window shows more rows, a shorter one fewer; the scroll range and a page of
// the scroll bar follow, and the window stays where it was in the history.
TEST_F(ResultsGridTest, TheNumberOfRowsShownCanChange) {
    SpinMany(30);
    grid_.setVisibleRows(25);
    EXPECT_EQ(grid_.grid()->rowCount(), 26);
    EXPECT_EQ(grid_.scrollBar()->maximum(), 5);
    EXPECT_EQ(ColumnTexts(grid_.grid(), 0, 1, 25), Countdown(30, 6, 25));
    grid_.scrollBar()->setValue(5);
    grid_.setVisibleRows(10);
    EXPECT_EQ(grid_.scrollBar()->maximum(), 20);
    EXPECT_EQ(ColumnTexts(grid_.grid(), 0, 1, 10), Countdown(25, 16, 10));
    QTest::keyClick(grid_.scrollBar(), Qt::Key_PageDown);
    EXPECT_EQ(ColumnTexts(grid_.grid(), 0, 1, 10), Countdown(15, 6, 10));
}

// Column 0 is as wide as the layout stores it until positions outgrow it, then as wide
// as the longest position needs, within the grid's own width.
TEST_F(ResultsGridTest, PositionsOfAnySizeShowWhole) {
    grid_.SetColumnWidths();
    FlexGrid* grid = grid_.grid();
    // Public in the base view: what the column's texts need to show whole.
    const QAbstractItemView* view = grid;
    const int stored = grid->columnWidth(0);
    int count = 0;
    for (const int total : {999, 100000, 1000000}) {
        for (; count < total; ++count) {
            model_.AddResult(count % 37);
        }
        grid_.UpdateGridMain();
        EXPECT_EQ(CellText(grid, 1, 0), std::to_string(total));
        EXPECT_GE(grid->columnWidth(0), view->sizeHintForColumn(0)) << total;
        EXPECT_GE(grid->columnWidth(0), stored);
        int allColumns = 0;
        for (int column = 0; column <= 8; ++column) {
            allColumns += grid->columnWidth(column);
        }
        EXPECT_LE(allColumns, grid->width()) << total;
        // Scrolling back to shorter positions leaves the width alone.
        const int width = grid->columnWidth(0);
        grid_.scrollBar()->setValue(grid_.scrollBar()->maximum());
        EXPECT_EQ(grid->columnWidth(0), width);
        grid_.scrollBar()->setValue(0);
    }
}

TEST(FlexGrid, ABatchOfWritesIsReportedOnce) {
    FlexGrid grid(20, 9, 1, 1);
    int changes = 0;
    QObject::connect(grid.model(), &QAbstractItemModel::dataChanged, [&] { ++changes; });
    grid.BeginUpdate();
    for (int r = 1; r < 20; ++r) {
        for (int c = 1; c < 9; ++c) {
            grid.setCellText(r, c, "x");
            grid.setCellBackColor(r, c, Qt::red);
        }
    }
    EXPECT_EQ(changes, 0);
    grid.EndUpdate();
    EXPECT_EQ(changes, 1);
}

TEST(FlexGrid, ClearingReturnsCellsToTheDefaults) {
    FlexGrid grid(3, 2, 1, 0);
    grid.setDefaultBackColor(Qt::white);
    grid.setDefaultTextColor(Qt::black);
    grid.setCellText(1, 0, "R ");
    grid.setCellBackColor(1, 0, QColor(192, 0, 0));
    grid.setCellTextColor(1, 0, Qt::white);
    grid.ClearAll();
    EXPECT_EQ(CellText(&grid, 1, 0), "");
    EXPECT_EQ(testing::CellBack(&grid, 1, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(testing::CellFore(&grid, 1, 0), (Rgb{0, 0, 0}));
    // Writes outside the grid are ignored rather than corrupting memory.
    grid.setCellText(3, 0, "x");
    grid.setCellText(-1, 0, "x");
    EXPECT_EQ(CellText(&grid, 2, 0), "");
}

}  // namespace
}  // namespace orvanta
