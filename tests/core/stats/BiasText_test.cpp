// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/BiasText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/stats/EvidenceSimulation.h"
#include "core/stats/FigureText.h"

#include "StatsHistories.h"

namespace orvanta {
namespace {

using test::FairHistory;
using test::HistoryWithCounts;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(FigureText, NumbersAsPeopleReadThem) {
    const std::pair<double, const char*> probabilities[] = {{0.000136, "0.00014"}, {0.00501, "0.0050"},
                                                            {0.69, "0.69"},        {0.0996, "0.10"},
                                                            {1.0, "1.0"},          {3e-9, "< 0.000001"}};
    for (const auto& [p, text] : probabilities) {
        EXPECT_EQ(FormatProbability(p), text) << p;
    }
    const std::pair<double, const char*> evidence[] = {
        {7.43, "7.4"},        {0.531, "0.53"},
        {1.0, "1.0"},         {23.4, "23"},
        {12'345.6, "12,346"}, {2e6, "over 1,000,000"},
        {9.96, "10"},         {std::numeric_limits<double>::infinity(), "over 1,000,000"}};
    for (const auto& [e, text] : evidence) {
        EXPECT_EQ(FormatEvidence(e), text) << e;
    }
    EXPECT_EQ(FormatCount(1'234'567), "1,234,567");
    EXPECT_EQ(FormatCount(-1'234), "-1,234");
    EXPECT_EQ(FormatGrouped(1'378.84, 1), "1,378.8");
    EXPECT_EQ(FormatGrouped(-999.96, 1), "-1,000.0");
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

TEST(BiasText, HotNumberIsNamedWithBothPValuesAndExpectedCountsAsCountsAreWritten) {
    EXPECT_EQ(HottestNumberText(ComputeWheelBias(HotSeventeen())),
              "17 came 48 times in 1,000 spins against 27.0 expected: p = 0.00014 for one number, 0.0050 "
              "after allowing for the best of 37.");
    std::array<int, 37> counts;
    counts.fill(1'378);
    counts[17] = 1'412;
    EXPECT_TRUE(Contains(HottestNumberText(ComputeWheelBias(HistoryWithCounts(counts))),
                         "17 came 1,412 times in 51,020 spins against 1,378.9 expected"));
    // Too small to write as a figure: "p < ...", never "p = < ...".
    const WheelBiasReport twos = ComputeWheelBias(std::vector<std::int8_t>(12, 2));
    EXPECT_TRUE(Contains(HottestNumberText(twos), "expected: p < 0.000001 for one number"));
}

struct VerdictRow {
    const char* name;
    std::optional<VerdictFindings> findings;
    SpanHalf half;
    const char* headline;
    const char* lastNote;
};

VerdictFindings Findings(double p, VerdictCall call, std::optional<double> detectable = std::nullopt,
                         bool canFlag = true) {
    VerdictFindings findings;
    findings.histories = kFairHistories;
    findings.globalPValue = p;
    findings.call = call;
    findings.smallestTest = static_cast<std::size_t>(VerdictTest::HottestNumber);
    findings.canFlag = canFlag;
    findings.detectable = detectable;
    return findings;
}

TEST(BiasText, OneVerdictSaysWhatItAssumesAndNeverNoEvidenceAlone) {
    const VerdictRow rows[] = {
        {"simulating", std::nullopt, SpanHalf::Both,
         "Testing 1,000 spins against 10,000 simulated fair histories...", nullptr},
        {"bias", Findings(0.003, VerdictCall::Bias), SpanHalf::Both,
         "Bias at the 5 % level in 1,000 spins: p = 0.0030 for all the tests together, carried by number 17.",
         "A fair wheel does this 1 time in 20: see whether it holds in the newer half and in the spins to "
         "come."},
        {"bias in the newer half", Findings(0.003, VerdictCall::Bias), SpanHalf::Newer, nullptr,
         "A fair wheel does this 1 time in 20: see whether it holds in the spins to come."},
        {"borderline", Findings(0.0496, VerdictCall::Borderline), SpanHalf::Both,
         "Too close to call in 1,000 spins: p = 0.050 for all the tests together is about 0.05, and 10,000 "
         "simulated fair histories cannot tell on which side of 0.05 it lies.",
         nullptr},
        {"no sign", Findings(0.43, VerdictCall::NoSign, 1.0 / 12), SpanHalf::Both,
         "No sign of bias in 1,000 spins (p = 0.43 for all the tests together). These spins could only have "
         "found a number that comes once in 12 spins or more often.",
         "This verdict takes the tests below together (a chi-squared test once it is reliable), and assumes "
         "that "
         "the number of spins was fixed before you looked. If you look again after every spin, go by the "
         "live "
         "evidence instead: it stays valid however often you look."},
        {"cannot flag", Findings(1.0, VerdictCall::NoSign, std::nullopt, false), SpanHalf::Both,
         "1,000 spins are too few for any test to flag a bias, however the wheel is made.", nullptr},
    };
    const WheelBiasReport report = ComputeWheelBias(HotSeventeen());
    for (const VerdictRow& row : rows) {
        const VerdictWords words = DescribeVerdict(report, row.findings ? &*row.findings : nullptr, row.half);
        if (row.headline != nullptr) {
            EXPECT_EQ(words.headline, row.headline) << row.name;
        }
        if (row.lastNote != nullptr) {
            ASSERT_FALSE(words.notes.empty()) << row.name;
            EXPECT_EQ(words.notes.back(), row.lastNote) << row.name;
        }
    }
}

TEST(BiasText, NoSpinsShowNoPValues) {
    const WheelBiasReport report = ComputeWheelBias({});
    EXPECT_EQ(DescribeVerdict(report, nullptr, SpanHalf::Both).headline,
              "Nothing to test yet: there are no spins here.");
    EXPECT_EQ(NumbersTestText(report), "All 37 numbers: nothing to test yet.");
    EXPECT_EQ(CategoryTestText(report, 0), "Color: nothing to test yet.");
    EXPECT_EQ(HottestNumberText(report), "");
    EXPECT_EQ(PowerTexts(report, nullptr, 0).front(), "With no spins here the verdict can find nothing yet.");
}

// 100 spins expect 2.7 hits per number and on zero: too few for the number and row
// tests until 5 * 37 = 185 spins. The sectors' smallest cell expects 16.2.
TEST(BiasText, TooFewExpectedHitsMakeATestUnreliable) {
    const WheelBiasReport report = ComputeWheelBias(FairHistory(100, 5));
    EXPECT_EQ(NumbersTestText(report).substr(NumbersTestText(report).find(';')),
              "; not reliable yet, with fewer than 5 expected hits per number (reliable from 185 spins).");
    EXPECT_TRUE(Contains(CategoryTestText(report, 6), "Row: \u03c7\u00b2 = "));
    EXPECT_TRUE(Contains(CategoryTestText(report, 6), "(reliable from 185 spins)"));
    EXPECT_TRUE(Contains(CategoryTestText(report, 7), ", p = "));
}

// 64 spins: 10 each on 26, 0 and 32, one on each other number: the three-pocket arc
// 26 0 32 stands out, and still does without 26.
TEST(BiasText, SpanAndArcInWords) {
    EXPECT_EQ(DescribeSpan(2345, SpinWindow::Whole, SpanHalf::Both, 2345), "The whole history: 2,345 spins");
    EXPECT_EQ(DescribeSpan(400, SpinWindow::Last1000, SpanHalf::Older, 200),
              "The older half of the last 1,000 spins (only 400 so far): 200 spins");
    std::array<int, 37> counts;
    counts.fill(1);
    counts[26] = counts[0] = counts[32] = 10;
    const WheelBiasReport report = ComputeWheelBias(HistoryWithCounts(counts));
    const std::string head = "3 pockets, 26 0 32: 30 times against 5.2 expected (z = +11.36); ";
    EXPECT_EQ(ArcText(report, 0, std::nullopt, 10'000), head + "simulating...");
    EXPECT_EQ(
        ArcText(report, 0, 1.0 / 10'001, 10'000)
            .rfind(head + "p \u2264 0.00010 after allowing for every arc. It holds without its strongest "
                          "pocket, 26 (z = +",
                   0),
        0u);
    // The simulation's own error there is 0.002: not rounded into a call either way.
    EXPECT_EQ(ArcText(report, 0, 0.0496, 10'000),
              head + "p = 0.050, about 0.05 after allowing for every arc.");
}

TEST(BiasText, PowerIsWhatTheProceduresCanFindOrThatTheyCannot) {
    const WheelBiasReport one = ComputeWheelBias(std::vector<std::int8_t>{5});
    const VerdictFindings none = Findings(1.0, VerdictCall::NoSign, std::nullopt, false);
    const std::vector<std::string> few = PowerTexts(one, &none, 1);
    EXPECT_EQ(few[0], "1 spin is too few for any test to flag a bias.");
    EXPECT_EQ(few[1], "The live evidence cannot reach 20 before " + std::to_string(FewestSpinsForAlarm()) +
                          " spins, even if every spin lands on one number.");

    const WheelBiasReport report = ComputeWheelBias(FairHistory(370, 1));
    const VerdictFindings some = Findings(0.4, VerdictCall::NoSign, 1.0 / 12);
    const std::vector<std::string> texts = PowerTexts(report, &some, 5'000);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0],
              "With 370 spins the verdict finds a number that comes once in 12 spins or more often 80 % of "
              "the time "
              "(a player's edge of +200 % on it).");
    EXPECT_TRUE(Contains(texts[1],
                         "Over all 5,000 spins the live evidence reaches 20, 80 % of the time, for a "
                         "number that comes once in "));
    EXPECT_TRUE(Contains(texts[2],
                         "To find, 80 % of the time, a number that comes once in 36 spins (where a bet on "
                         "it breaks even) takes about "));
}

}  // namespace
}  // namespace orvanta
