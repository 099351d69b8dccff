// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/WheelBias.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "StatsHistories.h"

namespace orvanta {
namespace {

using test::FairHistory;
using test::HistoryWithCounts;

const NumberFigures& FiguresOf(const WheelBiasReport& report, int number) {
    return report.numbers[static_cast<std::size_t>(kWheelPosition[static_cast<std::size_t>(number)])];
}

TEST(WheelBias, UniformCountsShowNoDeviation) {
    for (const int each : {1, 5, 1000}) {
        std::array<int, 37> counts;
        counts.fill(each);
        const WheelBiasReport report = ComputeWheelBias(HistoryWithCounts(counts));
        EXPECT_EQ(report.chiSquare, 0.0) << each;
        EXPECT_EQ(report.pValue, 1.0) << each;
        EXPECT_EQ(report.degreesOfFreedom, 36);
        // Five expected hits per number is where the chi-squared test becomes trustworthy.
        EXPECT_EQ(report.reliable, each >= 5) << each;
    }
}

// Published critical values of chi-squared with 36 degrees of freedom. With 200
// expected per number, deviations of +-a on pairs of numbers give chi-squared
// = 2 * sum(a^2) / 200, e.g. 71^2 + 7^2 + 3^2 + 1^2 = 5100 gives 51.00.
struct CriticalValue {
    double level;
    std::array<int, 4> deviations;
};

TEST(WheelBias, PValueAtCriticalValuesOf36DegreesOfFreedom) {
    for (const CriticalValue& row : {CriticalValue{0.05, {71, 7, 3, 1}}, CriticalValue{0.01, {76, 9, 2, 1}},
                                     CriticalValue{0.001, {82, 7, 5, 1}}}) {
        std::array<int, 37> counts;
        counts.fill(200);
        for (std::size_t i = 0; i < row.deviations.size(); ++i) {
            counts[2 * i] += row.deviations[i];
            counts[2 * i + 1] -= row.deviations[i];
        }
        const WheelBiasReport report = ComputeWheelBias(HistoryWithCounts(counts));
        ASSERT_TRUE(report.pValue);
        EXPECT_NEAR(*report.pValue, row.level, row.level * 0.002) << report.chiSquare;
    }
}

// 1,000 spins with 48 on 17: z = (48 - 27.027) / sqrt(1000 * 1/37 * 36/37) = 4.090,
// P(Bin(1000, 1/37) >= 48) = 0.000136, and 1 - (1 - 0.000136)^37 = 0.00501.
TEST(WheelBias, HotNumberAndItsCorrectionForTheBestOf37) {
    std::array<int, 37> counts;
    counts.fill(26);
    std::fill(counts.begin() + 1, counts.begin() + 17, 27);
    counts[17] = 48;
    const WheelBiasReport report = ComputeWheelBias(HistoryWithCounts(counts));
    ASSERT_EQ(report.spins, 1000);
    ASSERT_TRUE(report.hottest);
    EXPECT_EQ(report.hottest->number, 17);
    EXPECT_EQ(report.hottest->count, 48);
    EXPECT_NEAR(report.hottest->expected, 27.027, 0.001);
    EXPECT_NEAR(report.hottest->z, 4.090, 0.001);
    EXPECT_NEAR(report.hottest->pValue, 0.000136, 0.000001);
    EXPECT_NEAR(report.hottest->correctedPValue, 0.00501, 0.00001);
}

TEST(WheelBias, HottestNumberOfAFairHistoryIsNoEvidence) {
    const WheelBiasReport report = ComputeWheelBias(FairHistory(3700, 2024));
    ASSERT_TRUE(report.hottest);
    EXPECT_GT(report.hottest->correctedPValue, 0.05);
}

// History 5 17 5 0, oldest first: 0 is the newest (gap 0), 5 came one spin before
// it, 17 two; the rest never came (gap 4). A gap g has chance (36/37)^g:
// (36/37)^2 = 1296/1369 = 0.946676, (36/37)^4 = 0.896196.
TEST(WheelBias, GapsCountSpinsSinceANumberLastCame) {
    const WheelBiasReport report = ComputeWheelBias(std::vector<std::int8_t>{5, 17, 5, 0});
    struct Row {
        int number;
        std::int64_t gap;
        double chance;
    };
    for (const Row& row :
         {Row{0, 0, 1.0}, Row{5, 1, 36.0 / 37}, Row{17, 2, 0.946676}, Row{32, 4, 0.896196}}) {
        EXPECT_EQ(FiguresOf(report, row.number).gap, row.gap) << row.number;
        EXPECT_NEAR(FiguresOf(report, row.number).gapChance, row.chance, 1e-6) << row.number;
    }
    EXPECT_EQ(FiguresOf(report, 5).count, 2);
}

// 64 spins: 10 each on 26, 0 and 32, which straddle the end of the wheel order,
// and one on each other number. The hottest three-pocket arc starts at 26 with 30
// hits against 64 * 3/37 = 5.189: z = 24.81 / sqrt(64 * 3/37 * 34/37) = 11.362.
TEST(WheelBias, HottestArcWrapsRoundZero) {
    std::array<int, 37> counts;
    counts.fill(1);
    counts[26] = counts[0] = counts[32] = 10;
    const WheelBiasReport report = ComputeWheelBias(HistoryWithCounts(counts));
    ASSERT_EQ(report.arcs.size(), 7u);
    const HottestArc& three = report.arcs.front();
    EXPECT_EQ(three.length, 3);
    EXPECT_EQ(three.firstPocket, 26);
    EXPECT_EQ(three.count, 30);
    EXPECT_NEAR(three.z, 11.362, 0.001);
    EXPECT_EQ(report.arcs.back().length, 9);
    EXPECT_EQ(report.arcs.back().count, 36);
}

TEST(WheelBias, NoSpinsMeansNothingToTest) {
    const WheelBiasReport report = ComputeWheelBias({});
    EXPECT_EQ(report.spins, 0);
    EXPECT_FALSE(report.pValue);
    EXPECT_FALSE(report.hottest);
    EXPECT_TRUE(report.arcs.empty());
    EXPECT_FALSE(report.categories.front().pValue);
    EXPECT_EQ(report.numbers[1].number, 32);
    EXPECT_EQ(report.numbers[1].z, 0.0);
}

TEST(WheelBias, RefusesANumberOffTheWheel) {
    for (const std::int8_t bad : {std::int8_t{37}, std::int8_t{-1}}) {
        EXPECT_THROW(ComputeWheelBias(std::vector<std::int8_t>{3, bad}), std::invalid_argument);
    }
}

// 3,000,000,000 hits on every number and 1,000,000 more on 17: n = 111,001,000,000,
// expected 3,000,027,027.03, z of 17 = 972,972.97 / sqrt(n/37 * 36/37) = 18.0089,
// and black holds 18 * 3e9 + 1e6 hits. Far past 32-bit counts, where a narrower
// sum or product anywhere would show.
TEST(WheelBias, CountsBeyond32BitsStayExact) {
    WheelTally tally;
    tally.countByNumber.fill(3'000'000'000);
    tally.countByNumber[17] += 1'000'000;
    tally.spins = 37 * 3'000'000'000LL + 1'000'000;
    const WheelBiasReport report = ReportFromTally(tally);
    EXPECT_NEAR(FiguresOf(report, 17).expected, 3'000'027'027.03, 0.01);
    EXPECT_NEAR(FiguresOf(report, 17).z, 18.0089, 0.0001);
    EXPECT_NEAR(report.chiSquare, 324.3214, 0.0001);
    const CategoryTest& colour = report.categories.front();
    EXPECT_EQ(colour.cells[2].observed, 54'001'000'000);
}

}  // namespace
}  // namespace orvanta
