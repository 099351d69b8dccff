// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QMenuBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "core/stats/Evidence.h"
#include "core/stats/WheelTables.h"

#include "ui/stats/WheelBiasWindow.h"

#include "support/WindowFixture.h"

namespace orvanta {
namespace {

class WheelBiasTest : public testing::WindowWithFilesTest {
protected:
    WheelBiasWindow* Open() {
        find<QAction>("mnu_WheelBias")->trigger();
        auto* bias = window_.findChild<WheelBiasWindow*>("frmWheelBias");
        EXPECT_NE(bias, nullptr);
        return bias;
    }
    // The count the window's table shows for number n (rows in wheel order).
    QString CountOf(WheelBiasWindow* bias, int n) {
        const QAbstractItemModel* table = bias->findChild<QTableView*>("grdBiasNumbers")->model();
        return table->index(kWheelPosition[static_cast<std::size_t>(n)], 1).data().toString();
    }
};

TEST_F(WheelBiasTest, StatisticsMenuOpensOneWindow) {
    const QList<QAction*> menus = window_.menuBar()->actions();
    EXPECT_EQ(menus.back()->menu(), find<QMenu>("mnu_Statistics"));
    EXPECT_EQ(find<QAction>("mnu_WheelBias")->shortcut(), QKeySequence("Ctrl+B"));
    WheelBiasWindow* first = Open();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    first->close();
    EXPECT_EQ(Open(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(window_.findChildren<WheelBiasWindow*>().size(), 1);
}

TEST_F(WheelBiasTest, FollowsClicksOnTheTableAndLoads) {
    window_.show();
    WheelBiasWindow* bias = Open();
    ASSERT_NE(bias, nullptr);
    for (const int n : {17, 17, 5}) {
        QTest::mouseClick(find<QWidget>(QString("TableNum_%1").arg(n)), Qt::LeftButton);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return CountOf(bias, 17) == "2"; }, 1000));
    EXPECT_EQ(bias->report().spins, 3);

    EXPECT_EQ(bias->evidence().spins, 3);

    // A load replaces the history: the live evidence is studied afresh, not added to.
    ASSERT_TRUE(window_.LoadResultsFileFrom(Write("five.dat", "5\n5\n5\n5\n")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return CountOf(bias, 5) == "4"; }, 1000));
    EXPECT_EQ(CountOf(bias, 17), "0");
    EXPECT_EQ(bias->report().spins, 4);
    EXPECT_EQ(bias->evidence().figures.eValue, ComputeEvidence(window_.model().Spins()).figures.eValue);
}

}  // namespace
}  // namespace orvanta
