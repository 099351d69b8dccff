// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/VerdictSimulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <future>
#include <limits>
#include <random>

#include "core/stats/DetectionPower.h"

#include "StatsHistories.h"

namespace orvanta {
namespace {

std::array<std::int64_t, kPocketCount> FairCounts(std::int64_t spins, std::mt19937& random) {
    std::array<std::int64_t, kPocketCount> counts{};
    for (std::int64_t i = 0; i < spins; ++i) {
        ++counts[random() % kPocketCount];
    }
    return counts;
}

// The verdict's level: fair histories other than the simulated ones are called
// biased at most 5 % of the time (2,000 histories: allowance 0.01, two standard errors).
TEST(VerdictSimulation, FairHistoriesAreCalledBiasedAtMostOneTimeInTwenty) {
    std::mt19937 random(31);
    for (const std::int64_t spins : {200, 1'000, 3'700}) {
        const FairHistories fair = SimulateFairHistories(spins);
        constexpr int kHistories = 2'000;
        int biased = 0;
        for (int h = 0; h < kHistories; ++h) {
            const double p = fair.GlobalPValue(StatisticsOf(FairCounts(spins, random)));
            biased += CallOf(p, fair.histories()) == VerdictCall::Bias ? 1 : 0;
        }
        EXPECT_LE(static_cast<double>(biased) / kHistories, kVerdictLevel + 0.01) << spins;
    }
}

// What the window says the verdict can find, checked against fresh simulations of the
// verdict with other seeds: a favoured number at the stated chance is found about 80 %
// of the time (allowance: three standard errors of both simulations together).
TEST(VerdictSimulation, CanShowAgreesWithASimulationOfTheVerdict) {
    for (const std::int64_t spins : {37, 1'000, 100'000}) {
        const std::optional<double> found = SmallestDetectableByVerdict(SimulateFairHistories(spins));
        ASSERT_TRUE(found) << spins;
        const FairHistories other = SimulateFairHistories(spins, kFairHistories, 99);
        EXPECT_NEAR(VerdictPower(other, *found, 4'000, 4'242), kVerdictPower, 0.035) << spins;
    }
}

TEST(VerdictSimulation, NeedsAreTheSpinsAtWhichTheVerdictFindsTheAdvantage) {
    for (std::size_t i = 0; i < kAdvantagesOfInterest.size(); ++i) {
        const FairHistories fair = SimulateFairHistories(kVerdictSpinsNeeded[i], kFairHistories, 17);
        // Two significant digits of the spins move the power by up to about 0.02.
        EXPECT_NEAR(VerdictPower(fair, kAdvantagesOfInterest[i], 4'000, 18), kVerdictPower, 0.045) << i;
    }
}

// Every fourth spin in the five pockets 17 34 6 27 13: a strongly favoured stretch.
TEST(VerdictSimulation, FindsAFavouredStretchAndNotAFairWheel) {
    auto biased = test::FairHistory(1'000, 11);
    const int arc[] = {17, 34, 6, 27, 13};
    for (std::size_t i = 0; i < biased.size(); i += 4) {
        biased[i] = static_cast<std::int8_t>(arc[(i / 4) % 5]);
    }
    const VerdictFindings hot = FindVerdict(ComputeWheelBias(biased));
    EXPECT_EQ(hot.call, VerdictCall::Bias);
    EXPECT_TRUE(hot.beyondEvery);
    ASSERT_EQ(hot.arcPValues.size(), 7u);
    for (const double p : hot.arcPValues) {
        EXPECT_EQ(p, 1.0 / (1 + kFairHistories));
    }
    EXPECT_TRUE(hot.canFlag);

    const VerdictFindings fair = FindVerdict(ComputeWheelBias(test::FairHistory(1'000, 11)));
    EXPECT_EQ(fair.call, VerdictCall::NoSign);
    EXPECT_EQ(FindVerdict(ComputeWheelBias(test::FairHistory(1'000, 11))).globalPValue, fair.globalPValue);
    // One spin looks the same whatever it is: nothing can be flagged.
    EXPECT_FALSE(FindVerdict(ComputeWheelBias(std::vector<std::int8_t>{5})).canFlag);
}

TEST(VerdictSimulation, StopsWhenAsked) {
    std::stop_source stop;
    auto run = std::async(std::launch::async, [&] {
        return SimulateFairHistories(1'000, std::numeric_limits<int>::max(), kFairHistoriesSeed,
                                     stop.get_token());
    });
    stop.request_stop();
    const FairHistories result = run.get();
    EXPECT_TRUE(result.cancelled());
    EXPECT_EQ(result.histories(), 0);
}

}  // namespace
}  // namespace orvanta
