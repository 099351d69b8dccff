// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/Attribution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/stats/BiasText.h"
#include "core/stats/VerdictSimulation.h"

#include "StatsHistories.h"

namespace orvanta {
namespace {

std::array<std::int64_t, kPocketCount> Counts(const std::array<int, kPocketCount>& byNumber) {
    std::array<std::int64_t, kPocketCount> counts{};
    std::copy(byNumber.begin(), byNumber.end(), counts.begin());
    return counts;
}

// 54 on every number but 17, which has 108: its neighbours 34 and 6, and its row
// 16 17 18, came exactly as often as a fair wheel brings them among the other spins.
TEST(Attribution, AHotNumberDoesNotMakeItsNeighboursOrItsRowHot) {
    std::array<int, kPocketCount> counts;
    counts.fill(54);
    counts[17] = 108;
    const HottestArc arc{.length = 3, .firstPocket = 17, .count = 216};
    const WithoutStrongest neighbours = ArcWithoutStrongest(arc, Counts(counts));
    EXPECT_EQ(neighbours.number, 17);
    EXPECT_NEAR(neighbours.z, 0.0, 1e-12);
    EXPECT_FALSE(neighbours.holds);
    const WithoutStrongest row = ClassificationWithoutStrongest(6, Counts(counts));
    EXPECT_EQ(row.number, 17);
    EXPECT_NEAR(row.pValue.value(), 1.0, 1e-12);
    EXPECT_FALSE(row.holds);

    // A stretch hot in every pocket still is without any one of them.
    counts.fill(1);
    counts[26] = counts[0] = counts[32] = 10;
    const WithoutStrongest stretch =
        ArcWithoutStrongest(HottestArc{.length = 3, .firstPocket = 26, .count = 30}, Counts(counts));
    EXPECT_EQ(stretch.number, 26);
    EXPECT_TRUE(stretch.holds);
}

// 17 twice as likely as any other number (2/38) over 2,000 spins: whatever the
// window names, verdict or arc, never is an arc whose other pockets came at or below
// their share.
TEST(Attribution, NoArcIsNamedThatIsHotOnlyThroughOneNumber) {
    constexpr std::int64_t kSpins = 2'000;
    const FairHistories fair = SimulateFairHistories(kSpins);
    std::mt19937 random(8);
    std::array<double, kPocketCount> weights;
    weights.fill(1.0);
    weights[17] = 2.0;
    std::discrete_distribution<int> wheel(weights.begin(), weights.end());
    int arcsStandingOut = 0;
    for (int h = 0; h < 60; ++h) {
        std::vector<std::int8_t> history(kSpins);
        std::generate(history.begin(), history.end(),
                      [&] { return static_cast<std::int8_t>(wheel(random)); });
        const WheelBiasReport report = ComputeWheelBias(history);
        const VerdictStatistics observed = StatisticsOf(CountByNumber(report));
        VerdictFindings findings;
        findings.histories = fair.histories();
        findings.globalPValue = fair.GlobalPValue(observed);
        findings.call = CallOf(findings.globalPValue, fair.histories());
        findings.smallestTest = fair.SmallestTest(observed);
        findings.canFlag = true;
        const std::string headline = DescribeVerdict(report, &findings, SpanHalf::Both).headline;
        for (std::size_t i = 0; i < report.arcs.size(); ++i) {
            const HottestArc& arc = report.arcs[i];
            const double p = fair.TestPValue(static_cast<std::size_t>(VerdictTest::HottestArc), arc.z);
            const double restZ = ArcWithoutStrongest(arc, CountByNumber(report)).z;
            const bool namedInVerdict =
                headline.find("the arc " + ArcPockets(arc) + ".") != std::string::npos;
            const bool namedInList =
                ArcText(report, i, p, fair.histories()).find("It holds") != std::string::npos;
            arcsStandingOut += CallOf(p, fair.histories()) == VerdictCall::Bias ? 1 : 0;
            if (namedInVerdict || namedInList) {
                EXPECT_GT(restZ, 0.0) << h << ": " << ArcPockets(arc);
            }
        }
    }
    EXPECT_GT(arcsStandingOut, 0) << "the histories never tried the rule";
}

}  // namespace
}  // namespace orvanta
