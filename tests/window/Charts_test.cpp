// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "ui/MainWindow.h"
#include "ui/charts/StatChart.h"

#include "support/WindowFixture.h"

namespace orvanta {
namespace {

std::vector<int> Values(const ChartModel& model) {
    std::vector<int> values;
    for (const ChartPoint& p : model.Points) {
        values.push_back(p.Value);
    }
    return values;
}

class ChartsTest : public testing::WindowTest {
protected:
    StatChart* chart(ChartKind kind, int index) const {
        const QString name = QString("%1_%2")
                                 .arg(QString::fromUtf8(InfoOf(kind).ArrayName.data(),
                                                        qsizetype(InfoOf(kind).ArrayName.size())))
                                 .arg(index);
        auto* found = window_.findChild<StatChart*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void Click(int n) {
        QTest::mouseClick(window_.findChild<QWidget*>(QString("TableNum_%1").arg(n)), Qt::LeftButton);
    }
};

TEST_F(ChartsTest, EachChartStandsOnItsPage) {
    const auto* tabs = window_.findChild<QTabWidget*>("SSTab1");
    for (ChartKind kind : kChartKinds) {
        EXPECT_EQ(chart(kind, 0)->parentWidget(), window_.page(TabPage::StatisticsSummary));
        const QWidget* own = chart(kind, 1)->parentWidget();
        EXPECT_EQ(tabs->tabText(tabs->indexOf(const_cast<QWidget*>(own))).toStdString(),
                  InfoOf(kind).TabCaption);
    }
    EXPECT_EQ(chart(ChartKind::N6, 1)->geometry(), QRect(112, 56 - 20, 541, 391));
    EXPECT_EQ(chart(ChartKind::Row, 0)->geometry(), QRect(16, 328 - 20, 381, 199));
}

// The placeholders are marked as a sample, on the chart and to a screen reader, until
// the first spin brings real counts.
TEST_F(ChartsTest, PlaceholdersAreASampleUntilTheFirstSpin) {
    for (ChartKind kind : kChartKinds) {
        for (int index : {0, 1}) {
            EXPECT_EQ(chart(kind, index)->model(), PlaceholderChartModel(kind)) << InfoOf(kind).ArrayName;
            EXPECT_EQ(chart(kind, index)->chartType(), StatChart::kBarType);
            EXPECT_TRUE(chart(kind, index)->isSample());
            EXPECT_EQ(chart(kind, index)->accessibleDescription(), "Bar view, Sample \u2014 no spins yet");
        }
    }
    Click(17);
    for (ChartKind kind : kChartKinds) {
        for (int index : {0, 1}) {
            EXPECT_FALSE(chart(kind, index)->isSample());
            EXPECT_EQ(chart(kind, index)->accessibleDescription(), "Bar view");
        }
    }
}

TEST_F(ChartsTest, BothInstancesAgreeAndAddUpToTheSpins) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> number(0, 36);
    for (int i = 0; i < 60; ++i) {
        Click(number(random));
    }
    for (ChartKind kind : kChartKinds) {
        EXPECT_EQ(chart(kind, 0)->model(), chart(kind, 1)->model());
        const std::vector<int> values = Values(chart(kind, 0)->model());
        EXPECT_EQ(std::accumulate(values.begin(), values.end(), 0), 60) << InfoOf(kind).ArrayName;
    }
}

TEST_F(ChartsTest, ClickingOneChartTogglesOnlyThatChart) {
    window_.show();
    // A chart on a page not shown cannot be clicked.
    StatChart* large = chart(ChartKind::Color, 1);
    QTest::mouseClick(large->viewport(), Qt::LeftButton);
    EXPECT_EQ(large->chartType(), StatChart::kBarType);

    window_.findChild<QTabWidget*>("SSTab1")->setCurrentWidget(window_.page(TabPage::Color));
    StatChart* small = chart(ChartKind::Color, 0);
    QTest::mouseClick(large->viewport(), Qt::LeftButton);
    EXPECT_EQ(large->chartType(), StatChart::kPieType);
    EXPECT_EQ(small->chartType(), StatChart::kBarType);

    // A spin arriving meanwhile leaves the pie a pie.
    Click(7);
    EXPECT_EQ(large->chartType(), StatChart::kPieType);
    EXPECT_EQ(Values(large->model()), (std::vector{1, 0, 0}));

    QTest::mouseClick(large->viewport(), Qt::LeftButton);
    EXPECT_EQ(large->chartType(), StatChart::kBarType);
    EXPECT_EQ(small->chartType(), StatChart::kBarType);
}

TEST_F(ChartsTest, TypingACharacterTogglesLikeAClick) {
    StatChart* row = chart(ChartKind::Row, 0);
    QTest::keyClick(row, Qt::Key_A);
    EXPECT_EQ(row->chartType(), StatChart::kPieType);
    QTest::keyClick(row, Qt::Key_Space);
    EXPECT_EQ(row->chartType(), StatChart::kBarType);
    QTest::keyClick(row, Qt::Key_Shift);
    EXPECT_EQ(row->chartType(), StatChart::kBarType);
}

TEST_F(ChartsTest, CountsBeyondSixteenBitsAreLabelledInFull) {
    for (int i = 0; i < 32767; ++i) {
        window_.AddResult(0);
    }
    EXPECT_EQ(chart(ChartKind::Color, 0)->model().Points[2].CountLabel, " 32767");
    for (int i = 0; i < 300; ++i) {
        window_.AddResult(0);
    }
    EXPECT_EQ(chart(ChartKind::Color, 1)->model().Points[2].CountLabel, " 33067");
    EXPECT_EQ(chart(ChartKind::Sector, 1)->model().Points[0].Value, 33067);
}

}  // namespace
}  // namespace orvanta
