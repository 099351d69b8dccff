// SPDX-License-Identifier: GPL-3.0-or-later

// The window at its first size, at one and a half times that, and maximised on a
// 1920 x 1080 screen: the table and its click areas scale together, and every page's
// grids, charts and lists take the room they are given.
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include "core/model/NumberTable.h"

#include "ui/MainWindow.h"

#include "support/TableMarks.h"
#include "support/WindowFixture.h"

static const bool kFullHdScreen = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ORVANTA_SCREENS_DIR "/fullhd.json");
    return true;
}();

namespace orvanta {
namespace {

enum class Size { First, OneAndAHalf, Maximised };

void PrintTo(Size size, std::ostream* out) {
    *out << (size == Size::First ? "first" : size == Size::OneAndAHalf ? "one and a half" : "maximised");
}

class GrowingWindowTest : public testing::WindowTest, public ::testing::WithParamInterface<Size> {
protected:
    void SetUp() override {
        ASSERT_TRUE(kFullHdScreen);
        first_ = window_.size();
        if (GetParam() == Size::Maximised) {
            window_.showMaximized();
        } else {
            window_.resize(GetParam() == Size::First ? first_ : first_ * 3 / 2);
            window_.show();
        }
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        QApplication::processEvents();
    }
    // The room the pages got beyond their first size.
    QSize first_;
};

// Every number, clicked where the screen shows it painted, at its centre and just
// inside its edges, records that number.
TEST_P(GrowingWindowTest, EveryNumberClickedWhereItIsPaintedRecordsIt) {
    const auto* table = find<QLabel>("imgTable");
    const double scale = table->width() / 280.0;
    EXPECT_NEAR(table->height() / 478.0, scale, 0.01) << "the table keeps its proportions";
    EXPECT_EQ(scale > 1.4, GetParam() != Size::First) << scale;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        std::vector<QPointF> points{testing::MarkBox(n).center()};
        for (const QPointF& edge : testing::MarkEdgePoints(n, 1.0)) {
            points.push_back(edge);
        }
        for (const QPointF& point : points) {
            const QPoint at = table->mapTo(&window_, (point * scale).toPoint());
            const int before = window_.model().SpinCount();
            QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, at);
            ASSERT_EQ(window_.model().SpinCount(), before + 1)
                << n << " at " << point.x() << "," << point.y();
            EXPECT_EQ(int(window_.model().Spins().back()), n);
        }
    }
}

// Every page but the Main tab (whose table keeps its proportions) gives the room to its
// controls: what they cover grows by nearly all the page grew, and no two overlap.
TEST_P(GrowingWindowTest, EveryPageTakesTheRoomItIsGiven) {
    MainWindow firstSize;
    firstSize.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&firstSize));
    const auto covered = [](const MainWindow& window, int page) {
        auto* tabs = window.findChild<QTabWidget*>("SSTab1");
        tabs->setCurrentIndex(page);
        QApplication::processEvents();
        QRect used;
        std::vector<QRect> controls;
        for (QWidget* child : tabs->widget(page)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && child->focusPolicy() != Qt::NoFocus) {
                used |= child->geometry();
                controls.push_back(child->geometry());
            }
        }
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(controls[i].intersects(controls[j])) << tabs->tabText(page).toStdString();
            }
        }
        return used.size();
    };
    const QSize extra = window_.page(TabPage::Main)->size() - firstSize.page(TabPage::Main)->size();
    EXPECT_EQ(extra.width() > 300 && extra.height() > 200, GetParam() != Size::First);
    for (int page = 1; page < kTabPageCount; ++page) {
        const QSize gained = covered(window_, page) - covered(firstSize, page);
        EXPECT_GE(gained.width(), extra.width() * 9 / 10) << page;
        EXPECT_GE(gained.height(), extra.height() * 9 / 10) << page;
    }
}

// The results grid and the follower lists show as many whole rows as they hold, newest
// spin on top, and the scroll range follows.
TEST_P(GrowingWindowTest, GridsShowAsManyRowsAsFit) {
    window_.RecordSpins(std::vector<int>(500, 7));
    window_.AddResult(36);
    window_.CalcPastResults();
    for (const char* name : {"FlexGrid1", "SearchGrid1", "SearchGrid2"}) {
        const auto* grid = find<QTableView>(name);
        const int rows = grid->model()->rowCount();
        const int rowHeight = grid->rowHeight(0);
        EXPECT_LE(rows * rowHeight, grid->viewport()->height()) << name;
        EXPECT_GT((rows + 1) * rowHeight, grid->viewport()->height()) << name;
    }
    const auto* results = find<QTableView>("FlexGrid1");
    EXPECT_EQ(testing::CellText(results, 1, 0), "501");
    EXPECT_EQ(find<QScrollBar>("ScrollMain")->maximum(), 501 - (results->model()->rowCount() - 1));
}

INSTANTIATE_TEST_SUITE_P(Sizes, GrowingWindowTest,
                         ::testing::Values(Size::First, Size::OneAndAHalf, Size::Maximised));

}  // namespace
}  // namespace orvanta
