// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/BiasText.h"

#include <gtest/gtest.h>

#include "core/stats/FigureText.h"

#include "StatsHistories.h"

namespace orvanta {
namespace {

using test::FairHistory;
using test::HistoryWithCounts;

TEST(FigureText, NumbersAsPeopleReadThem) {
    const std::pair<double, const char*> probabilities[] = {{0.000136, "0.00014"}, {0.00501, "0.0050"},
                                                            {0.69, "0.69"},        {0.0996, "0.10"},
                                                            {1.0, "1.0"},          {3e-9, "< 0.000001"}};
    for (const auto& [p, text] : probabilities) {
        EXPECT_EQ(FormatProbability(p), text) << p;
    }
    EXPECT_EQ(FormatCount(1'234'567), "1,234,567");
    EXPECT_EQ(FormatCount(999), "999");
    EXPECT_EQ(FormatSigned(-0.001), "+0.00");
    EXPECT_EQ(FormatSigned(-1.234), "-1.23");
}

// 1,000 spins with 48 on 17, the others 26 or 27.
std::vector<std::int8_t> HotSeventeen() {
    std::array<int, 37> counts;
    counts.fill(26);
    std::fill(counts.begin() + 1, counts.begin() + 17, 27);
    counts[17] = 48;
    return HistoryWithCounts(counts);
}

TEST(BiasText, HotNumberIsNamedWithBothPValues) {
    const WheelBiasReport report = ComputeWheelBias(HotSeventeen());
    EXPECT_EQ(HottestNumberText(report),
              "17 came 48 times in 1,000 spins against 27.0 expected: p = 0.00014 for one number, 0.0050 "
              "after allowing for the best of 37.");
    EXPECT_EQ(
        VerdictText(report, std::nullopt).rfind("Possible bias at the 5 % level: number 17, even after", 0),
        0u);
    // Too small to write as a figure: "p < ...", never "p = < ...".
    const WheelBiasReport twos = ComputeWheelBias(std::vector<std::int8_t>(12, 2));
    EXPECT_NE(HottestNumberText(twos).find("expected: p < 0.000001 for one number"), std::string::npos);
}

TEST(BiasText, FairHistoryShowsNoEvidence) {
    const WheelBiasReport report = ComputeWheelBias(FairHistory(3700, 2024));
    EXPECT_EQ(VerdictText(report, 0.5), "No evidence of bias at the 5 % level.");
    EXPECT_NE(NumbersTestText(report).find("with 36 degrees of freedom, p = "), std::string::npos);
}

TEST(BiasText, NoSpinsShowNoPValues) {
    const WheelBiasReport report = ComputeWheelBias({});
    EXPECT_EQ(VerdictText(report, std::nullopt), "Nothing to test yet: there are no spins here.");
    EXPECT_EQ(NumbersTestText(report), "All 37 numbers: nothing to test yet.");
    EXPECT_EQ(CategoryTestText(report.categories.front()), "Color: nothing to test yet.");
    EXPECT_EQ(HottestNumberText(report), "");
    EXPECT_EQ(PowerTexts(report).front(), "With no spins nothing can be found yet.");
}

// 100 spins expect 2.7 hits per number and on zero: too few for the number and row
// tests until 5 * 37 = 185 spins. The sectors' smallest cell expects 16.2.
TEST(BiasText, TooFewExpectedHitsMakeATestUnreliable) {
    const WheelBiasReport report = ComputeWheelBias(FairHistory(100, 5));
    EXPECT_EQ(NumbersTestText(report).substr(NumbersTestText(report).find(';')),
              "; not reliable yet, with fewer than 5 expected hits per number (reliable from 185 spins).");
    EXPECT_NE(CategoryTestText(report.categories[4]).find("Row: \u03c7\u00b2 = "), std::string::npos);
    EXPECT_NE(CategoryTestText(report.categories[4]).find("(reliable from 185 spins)"), std::string::npos);
    EXPECT_NE(CategoryTestText(report.categories[5]).find(", p = "), std::string::npos);
}

TEST(BiasText, SpanAndArcInWords) {
    EXPECT_EQ(DescribeSpan(2345, SpinWindow::Whole, SpanHalf::Both, 2345), "The whole history: 2,345 spins");
    EXPECT_EQ(DescribeSpan(400, SpinWindow::Last1000, SpanHalf::Older, 200),
              "The older half of the last 1,000 spins (only 400 so far): 200 spins");
    const HottestArc arc{.length = 3, .firstPocket = 26, .count = 30, .expected = 5.189, .z = 11.362};
    EXPECT_EQ(ArcText(arc, std::nullopt, 10'000),
              "3 pockets, 26 0 32: 30 times against 5.2 expected (z = +11.36); simulating...");
    EXPECT_EQ(
        ArcText(arc, 1.0 / 10'001, 10'000),
        "3 pockets, 26 0 32: 30 times against 5.2 expected (z = +11.36); p \u2264 0.00010 after allowing "
        "for every arc.");
}

TEST(BiasText, PowerSaysWhatTheSpinsCanFind) {
    const std::vector<std::string> texts = PowerTexts(ComputeWheelBias(FairHistory(1000, 1)));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(
        texts[0],
        "1,000 spins find a number that comes once in 24.6 spins instead of once in 37 (a player's edge "
        "of +47 % on it) 80 % of the time, at the 5 % level.");
    EXPECT_EQ(
        texts[1],
        "To find a number that comes once in 36 (where a bet on it breaks even) takes 291,077 spins; once "
        "in 35, 69,431 spins; once in 30, 4,390 spins.");
}

}  // namespace
}  // namespace orvanta
