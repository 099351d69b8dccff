// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/StatChart.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineEdit>
#include <QPieSeries>
#include <QPieSlice>
#include <QTest>
#include <QVBoxLayout>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "core/model/NumberTable.h"
#include "core/model/SpinModel.h"

namespace orvanta {
namespace {

SpinTallies TalliesAfter(std::initializer_list<int> spins) {
    static const NumberTable kTable = BuildNumberTable();
    SpinModel model(kTable);
    for (const int n : spins) {
        model.AddResult(n);
    }
    return model.Tallies();
}

std::vector<int> Values(const ChartModel& model) {
    std::vector<int> values;
    for (const ChartPoint& point : model.Points) {
        values.push_back(point.Value);
    }
    return values;
}

void ShowAndSettle(QWidget& widget) {
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

// What the user sees must be the model: every bar or slice in its point's colour, with
// the point's value, and a legend line of its name and count text.
void ExpectSeriesShowModel(const StatChart& chart) {
    const ChartKindInfo& info = InfoOf(chart.kind());
    const ChartModel& model = chart.model();
    const QList<QBarSet*> sets = chart.barSeries()->barSets();
    const QList<QPieSlice*> slices = chart.pieSeries()->slices();
    ASSERT_EQ(sets.size(), static_cast<qsizetype>(model.Points.size()));
    ASSERT_EQ(slices.size(), static_cast<qsizetype>(model.Points.size()));
    const QStringList legend = chart.legendTexts();
    for (std::size_t p = 0; p < model.Points.size(); ++p) {
        const auto i = static_cast<qsizetype>(p);
        const ChartPoint& point = model.Points[p];
        const Rgb rgb = info.Points[p].Color;
        const QColor color(rgb.r, rgb.g, rgb.b);
        const QString text = QString::fromStdString(point.Label + (point.CountLabel.empty() ? "" : " ")) +
                             QString::fromStdString(point.CountLabel);
        SCOPED_TRACE(point.Label);
        EXPECT_EQ(sets[i]->count(), 1);
        EXPECT_EQ(sets[i]->at(0), point.Value);
        EXPECT_EQ(sets[i]->color(), color);
        EXPECT_EQ(sets[i]->label(), text);
        EXPECT_EQ(slices[i]->value(), point.Value);
        EXPECT_EQ(slices[i]->color(), color);
        EXPECT_EQ(slices[i]->label(), text);
        EXPECT_EQ(legend[i], text);
    }
}

class StatChartKindTest : public ::testing::TestWithParam<ChartKind> {};

TEST_P(StatChartKindTest, StartsAsBarsOfPlaceholdersWithoutCountLabels) {
    const ChartKindInfo& info = InfoOf(GetParam());
    for (const int index : {0, 1}) {
        StatChart chart(GetParam(), index);
        EXPECT_EQ(chart.objectName().toStdString(),
                  std::string(info.ArrayName) + "_" + std::to_string(index));
        EXPECT_TRUE(chart.accessibleName().contains(
            QString::fromUtf8(info.TabCaption.data(), static_cast<qsizetype>(info.TabCaption.size()))))
            << chart.accessibleName().toStdString();
        EXPECT_EQ(chart.chartType(), StatChart::kBarType);
        EXPECT_EQ(chart.model(), PlaceholderChartModel(GetParam()));
        chart.resize(217, 143);
        ShowAndSettle(chart);
        EXPECT_TRUE(chart.chart()->series().contains(chart.barSeries()));
        ExpectSeriesShowModel(chart);
        for (const ChartPoint& point : chart.model().Points) {
            EXPECT_TRUE(point.CountLabel.empty());
        }
    }
}

// The widest legend texts must stay inside the chart and clear of the plot, at both sizes.
TEST_P(StatChartKindTest, LegendFitsBesideThePlotAtBothSizes) {
    SpinTallies tallies;
    tallies.RowCount.fill(70000);
    tallies.SectorCount.fill(70000);
    tallies.ColumnCount.fill(70000);
    tallies.N12Count.fill(70000);
    tallies.N6Count.fill(70000);
    tallies.RedCount = tallies.BlackCount = tallies.ZeroCount = 70000;
    tallies.HighCount = tallies.LowCount = tallies.EvenCount = tallies.OddCount = 70000;
    for (const QSize size : {QSize(217, 143), QSize(525, 375)}) {
        StatChart chart(GetParam(), 0);
        chart.resize(size);
        chart.UpdateFrom(tallies);
        for (const bool pie : {false, true}) {
            if (pie) {
                chart.ToggleChartType();
            }
            ShowAndSettle(chart);
            const QRectF legend = chart.legendRect();
            SCOPED_TRACE(size.width());
            SCOPED_TRACE(pie);
            EXPECT_TRUE(QRectF(chart.rect()).contains(legend));
            EXPECT_LT(chart.chart()->plotArea().right(), legend.left());
            // Two legend columns of five-digit counts leave the small row chart a narrow plot.
            EXPECT_GT(chart.chart()->plotArea().width(), 15);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, StatChartKindTest, ::testing::ValuesIn(kChartKinds));

// The values themselves are the core's; the view must show them in its series and legend.
TEST(StatChartTest, SeriesAndLegendShowTheModel) {
    StatChart color(ChartKind::Color, 0);
    StatChart sector(ChartKind::Sector, 1);
    const SpinTallies tallies = TalliesAfter({19, 19, 0});
    color.UpdateFrom(tallies);
    sector.UpdateFrom(tallies);
    EXPECT_EQ(Values(sector.model()), (std::vector{3, 0, 0, 0, 0, 0}));
    ShowAndSettle(color);
    ShowAndSettle(sector);
    ExpectSeriesShowModel(color);
    ExpectSeriesShowModel(sector);
    EXPECT_EQ(color.legendTexts(), (QStringList{"Red  2", "Black  0", "Zero  1"}));
}

struct LargeCount {
    int count;
    const char* label;
};

class StatChartLargeCountTest : public ::testing::TestWithParam<LargeCount> {};

// Tallies do not wrap at 16 bits, so neither may the labels or the axis.
TEST_P(StatChartLargeCountTest, LabelsAndAxisHoldTheCount) {
    StatChart chart(ChartKind::Color, 1);
    chart.resize(525, 375);
    SpinTallies tallies;
    tallies.RedCount = GetParam().count;
    tallies.BlackCount = 3;
    chart.UpdateFrom(tallies);
    EXPECT_EQ(chart.model().Points[0].CountLabel, GetParam().label);
    ShowAndSettle(chart);
    ExpectSeriesShowModel(chart);
    EXPECT_EQ(chart.legendTexts()[0], QString("Red ") + GetParam().label);
    EXPECT_EQ(chart.valueAxis()->min(), 0);
    EXPECT_GE(chart.valueAxis()->max(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Counts, StatChartLargeCountTest,
                         ::testing::Values(LargeCount{32767, " 32767"}, LargeCount{70000, " 70000"}));

TEST(StatChartTest, ValueAxisGrowsInWholeSteps) {
    StatChart chart(ChartKind::Row, 0);
    chart.resize(217, 143);
    ShowAndSettle(chart);
    for (const int count : {1, 7, 50, 123, 999, 4321}) {
        SpinTallies tallies;
        tallies.RowCount[5] = count;
        chart.UpdateFrom(tallies);
        QCoreApplication::processEvents();
        const QValueAxis* axis = chart.valueAxis();
        SCOPED_TRACE(count);
        EXPECT_EQ(axis->min(), 0);
        EXPECT_GE(axis->max(), count);
        const int intervals = axis->tickCount() - 1;
        ASSERT_GT(intervals, 0);
        EXPECT_EQ(static_cast<int>(axis->max()) % intervals, 0);
        EXPECT_LE(intervals, 143 / 20);
    }
}

struct ScaleRow {
    int maxValue;
    int maxIntervals;
    ValueAxisScale expected;
};

class ScaleValueAxisTest : public ::testing::TestWithParam<ScaleRow> {};

TEST_P(ScaleValueAxisTest, PicksTheSmallestReadableStep) {
    EXPECT_EQ(ScaleValueAxis(GetParam().maxValue, GetParam().maxIntervals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ScaleValueAxisTest,
                         ::testing::Values(ScaleRow{0, 4, {1, 1}}, ScaleRow{1, 4, {1, 1}},
                                           ScaleRow{7, 10, {7, 7}}, ScaleRow{11, 10, {12, 6}},
                                           ScaleRow{50, 4, {60, 3}}, ScaleRow{98, 4, {100, 2}},
                                           ScaleRow{100, 4, {100, 2}}, ScaleRow{101, 4, {150, 3}},
                                           ScaleRow{32767, 4, {40000, 4}}, ScaleRow{70000, 10, {70000, 7}},
                                           ScaleRow{5, 0, {5, 1}}));

class StatChartToggleTest : public ::testing::Test {
protected:
    void SetUp() override {
        chart_.resize(525, 375);
        ShowAndSettle(chart_);
    }

    StatChart chart_{ChartKind::Color, 1};
};

TEST_F(StatChartToggleTest, LeftClickTogglesPieAndBackOthersDoNot) {
    QTest::mouseClick(chart_.viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(chart_.chartType(), StatChart::kPieType);
    EXPECT_TRUE(chart_.chart()->series().contains(chart_.pieSeries()));
    EXPECT_FALSE(chart_.chart()->series().contains(chart_.barSeries()));
    EXPECT_TRUE(chart_.chart()->axes().isEmpty());

    QTest::mouseClick(chart_.viewport(), Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_EQ(chart_.chartType(), StatChart::kPieType);

    QTest::mouseClick(&chart_, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(chart_.chartType(), StatChart::kBarType);
    EXPECT_TRUE(chart_.chart()->series().contains(chart_.barSeries()));
    EXPECT_EQ(chart_.chart()->axes().size(), 2);
    EXPECT_EQ(chart_.barSeries()->attachedAxes().size(), 2);
}

TEST_F(StatChartToggleTest, EveryKeyThatTypesACharacterToggles) {
    const std::initializer_list<std::pair<Qt::Key, char>> keys = {
        {Qt::Key_A, 'a'}, {Qt::Key_7, '7'}, {Qt::Key_Space, ' '}, {Qt::Key_Return, '\r'}};
    int expected = StatChart::kBarType;
    for (const auto& [key, character] : keys) {
        QTest::keyClick(&chart_, key, Qt::NoModifier);
        expected = expected == StatChart::kPieType ? StatChart::kBarType : StatChart::kPieType;
        EXPECT_EQ(chart_.chartType(), expected) << character;
    }
    for (const Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Left, Qt::Key_F2}) {
        QTest::keyClick(&chart_, key);
        EXPECT_EQ(chart_.chartType(), expected) << key;
    }
}

TEST_F(StatChartToggleTest, PieStaysAPieAcrossUpdates) {
    chart_.ToggleChartType();
    for (int round = 1; round <= 5; ++round) {
        chart_.UpdateFrom(TalliesAfter({1, 2, 3, 0}));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(chart_.chartType(), StatChart::kPieType);
    ExpectSeriesShowModel(chart_);
    EXPECT_EQ(chart_.legendTexts(), (QStringList{"Red  2", "Black  1", "Zero  1"}));
}

TEST(StatChartFocusTest, TakesFocusByTabAndByClick) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new QLineEdit;
    auto* chart = new StatChart(ChartKind::Color, 0);
    layout->addWidget(edit);
    layout->addWidget(chart);
    window.resize(300, 250);
    ShowAndSettle(window);
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(chart->hasFocus());
    EXPECT_EQ(chart->chartType(), StatChart::kBarType);  // Tab moves focus, it does not toggle

    edit->setFocus();
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(chart->hasFocus());
}

TEST(StatChartSyncTest, HiddenChartShowsTheLatestModelWhenShown) {
    QWidget page;
    auto* chart = new StatChart(ChartKind::N6, 1, &page);
    chart->resize(525, 375);
    const NumberTable table = BuildNumberTable();
    SpinModel model(table);
    for (int spin = 0; spin < 500; ++spin) {
        model.AddResult((spin * 7) % 37);
        chart->UpdateFrom(model.Tallies());
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(chart->model(), BuildChartModel(ChartKind::N6, model.Tallies()));
    ShowAndSettle(page);
    ExpectSeriesShowModel(*chart);
}

TEST(StatChartSyncTest, VisibleChartFollowsManyUpdatesBetweenTwoPaints) {
    StatChart chart(ChartKind::Sector, 0);
    chart.resize(217, 143);
    ShowAndSettle(chart);
    const NumberTable table = BuildNumberTable();
    SpinModel model(table);
    for (int spin = 0; spin < 300; ++spin) {
        model.AddResult(spin % 37);
        chart.UpdateFrom(model.Tallies());
    }
    QCoreApplication::processEvents();
    ExpectSeriesShowModel(chart);
}

}  // namespace
}  // namespace orvanta
