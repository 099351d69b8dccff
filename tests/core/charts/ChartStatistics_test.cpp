// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/charts/ChartStatistics.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace orvanta {
namespace {

std::vector<std::string> Labels(const ChartModel& model) {
    std::vector<std::string> labels;
    for (const ChartPoint& p : model.Points) {
        labels.push_back(p.Label);
    }
    return labels;
}

std::vector<int> Values(const ChartModel& model) {
    std::vector<int> values;
    for (const ChartPoint& p : model.Points) {
        values.push_back(p.Value);
    }
    return values;
}

struct KindRow {
    ChartKind kind;
    std::string arrayName;
    std::string groupLabel;
    std::string tabCaption;
    std::vector<std::string> labels;
    std::vector<int> placeholders;
};

void PrintTo(const KindRow& row, std::ostream* out) {
    *out << row.arrayName;
}

class ChartKindRow : public ::testing::TestWithParam<KindRow> {};

TEST_P(ChartKindRow, StartsWithItsStoredLabelsAndPlaceholders) {
    const KindRow& row = GetParam();
    const ChartKindInfo& info = InfoOf(row.kind);
    EXPECT_EQ(info.ArrayName, row.arrayName);
    EXPECT_EQ(info.TabCaption, row.tabCaption);

    const ChartModel model = PlaceholderChartModel(row.kind);
    EXPECT_EQ(model.GroupLabel, row.groupLabel);
    EXPECT_EQ(Labels(model), row.labels);
    EXPECT_EQ(Values(model), row.placeholders);
    for (const ChartPoint& p : model.Points) {
        EXPECT_EQ(p.CountLabel, "") << p.Label;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EightKinds, ChartKindRow,
    ::testing::Values(
        KindRow{ChartKind::Color, "ChartColor", "Color", "Color", {"Red", "Black", "Zero"}, {50, 50, 34}},
        KindRow{ChartKind::HighLow,
                "ChartHighLow",
                "High / Low",
                "High/Low",
                {"High", "Low", "Zero"},
                {50, 50, 1}},
        KindRow{ChartKind::EvenOdd,
                "ChartEvenOdd",
                "Even / Odd",
                "Even/Odd",
                {"Even", "Odd", "Zero"},
                {50, 50, 78}},
        KindRow{ChartKind::Row,
                "ChartRow",
                "Row",
                "Row",
                {"Row 1", "Row 2", "Row 3", "Row 4", "Row 5", "Row 6", "Row 7", "Row 8", "Row 9", "Row 10",
                 "Row 11", "Row 12", "Zero"},
                {50, 50, 18, 73, 12, 37, 98, 5, 62, 17, 92, 39, 78}},
        KindRow{ChartKind::Column,
                "ChartColumn",
                "Column",
                "Column",
                {"Left", "Middle", "Right", "Zero"},
                {50, 50, 25, 69}},
        KindRow{ChartKind::N12,
                "Chartn12",
                "n 12",
                "n 12",
                {"1st 12", "2nd 12", "3rd 12", "Zero"},
                {50, 50, 15, 82}},
        KindRow{ChartKind::N6,
                "Chartn6",
                "n 6",
                "n 6",
                {"1st 6", "2nd 6", "3rd 6", "4th 6", "5th 6", "6th 6", "Zero"},
                {50, 50, 47, 46, 3, 31, 36}},
        KindRow{ChartKind::Sector,
                "ChartSector",
                "Physical Division",
                "Wheel Sector",
                {"0 -> 21", "2 -> 27", "13 -> 23", "10 -> 1", "20 -> 18", "29 -> 26"},
                {50, 50, 47, 46, 3, 31}}));

TEST(ChartStatistics, FortyThreePointsPerInstance) {
    std::size_t points = 0;
    for (ChartKind kind : kChartKinds) {
        EXPECT_EQ(InfoOf(kind).Points.size(), PlaceholderChartModel(kind).Points.size());
        points += InfoOf(kind).Points.size();
    }
    EXPECT_EQ(points, 43u);
}

class ChartsAfterSpins : public ::testing::Test {
protected:
    NumberTable table_ = BuildNumberTable();
    SpinModel model_{table_};

    ChartModel Chart(ChartKind kind) const { return BuildChartModel(kind, model_.Tallies()); }
};

TEST_F(ChartsAfterSpins, ZeroAsTheFirstSpin) {
    model_.AddResult(0);
    EXPECT_EQ(Values(Chart(ChartKind::Color)), (std::vector{0, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::HighLow)), (std::vector{0, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::EvenOdd)), (std::vector{0, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::Row)), (std::vector{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::Column)), (std::vector{0, 0, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::N12)), (std::vector{0, 0, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::N6)), (std::vector{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::Sector)), (std::vector{1, 0, 0, 0, 0, 0}));
    for (ChartKind kind : kChartKinds) {
        for (const ChartPoint& p : Chart(kind).Points) {
            EXPECT_EQ(p.CountLabel, p.Value == 0 ? " 0" : " 1") << p.Label;
        }
    }
}

TEST_F(ChartsAfterSpins, NineteenNineteenZero) {
    for (int n : {19, 19, 0}) {
        model_.AddResult(n);
    }
    EXPECT_EQ(Values(Chart(ChartKind::Color)), (std::vector{2, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::HighLow)), (std::vector{2, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::EvenOdd)), (std::vector{0, 2, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::Row)), (std::vector{0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::Column)), (std::vector{2, 0, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::N12)), (std::vector{0, 2, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::N6)), (std::vector{0, 0, 0, 2, 0, 0, 1}));
    EXPECT_EQ(Values(Chart(ChartKind::Sector)), (std::vector{3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Chart(ChartKind::Color).Points[0].CountLabel, " 2");
}

TEST_F(ChartsAfterSpins, EveryKindAddsUpToTheSpinCount) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> number(0, 36);
    for (int i = 0; i < 5000; ++i) {
        model_.AddResult(number(random));
    }
    for (ChartKind kind : kChartKinds) {
        const std::vector<int> values = Values(Chart(kind));
        EXPECT_EQ(std::accumulate(values.begin(), values.end(), 0), model_.SpinCount())
            << InfoOf(kind).ArrayName;
    }
    // Each point follows its own tally, not its neighbour's.
    const std::vector<int> rows = Values(Chart(ChartKind::Row));
    for (int r = 1; r <= 12; ++r) {
        EXPECT_EQ(rows[r - 1], model_.Tallies().RowCount[r]);
    }
}

TEST_F(ChartsAfterSpins, UpdatingInPlaceKeepsLabelsAndFollowsClear) {
    ChartModel chart = PlaceholderChartModel(ChartKind::Sector);
    model_.AddResult(26);
    UpdateChartModel(chart, ChartKind::Sector, model_.Tallies());
    EXPECT_EQ(Values(chart), (std::vector{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(chart.Points[5].Label, "29 -> 26");
    EXPECT_EQ(chart.GroupLabel, "Physical Division");

    model_.ClearResults();
    UpdateChartModel(chart, ChartKind::Sector, model_.Tallies());
    EXPECT_EQ(Values(chart), (std::vector{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(chart.Points[5].CountLabel, " 0");
}

TEST(CountText, BlankWhereTheSignWouldStand) {
    EXPECT_EQ(CountText(0), " 0");
    EXPECT_EQ(CountText(17), " 17");
    EXPECT_EQ(CountText(32767), " 32767");
    EXPECT_EQ(CountText(70000), " 70000");
}

}  // namespace
}  // namespace orvanta
