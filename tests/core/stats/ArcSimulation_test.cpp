// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/ArcSimulation.h"

#include <gtest/gtest.h>

#include <future>
#include <limits>

#include "core/stats/WheelBias.h"

#include "StatsHistories.h"

namespace orvanta {
namespace {

ArcSearchPValues Simulate(const std::vector<std::int8_t>& history, std::uint64_t seed = kArcSearchSeed) {
    const WheelBiasReport report = ComputeWheelBias(history);
    return SimulateArcSearch(report.spins, report.arcs, kArcSearchHistories, seed);
}

TEST(ArcSimulation, SameSeedGivesTheSameAnswer) {
    const auto history = test::FairHistory(1000, 7);
    const ArcSearchPValues first = Simulate(history);
    const ArcSearchPValues second = Simulate(history);
    EXPECT_FALSE(first.cancelled);
    EXPECT_EQ(first.histories, kArcSearchHistories);
    EXPECT_EQ(first.byLength, second.byLength);
    EXPECT_EQ(first.overall, second.overall);
}

// Every fourth spin lands in the five pockets 17 34 6 27 13: a wheel with a
// strongly favoured stretch. No fair history of 10,000 comes near it.
TEST(ArcSimulation, BiasedArcStandsOutAndAFairOneDoesNot) {
    auto biased = test::FairHistory(1000, 11);
    const int arc[] = {17, 34, 6, 27, 13};
    for (std::size_t i = 0; i < biased.size(); i += 4) {
        biased[i] = static_cast<std::int8_t>(arc[(i / 4) % 5]);
    }
    const ArcSearchPValues hot = Simulate(biased);
    ASSERT_EQ(hot.byLength.size(), 7u);
    EXPECT_EQ(hot.overall, 1.0 / (1 + kArcSearchHistories));
    for (const double p : hot.byLength) {
        EXPECT_LT(p, 0.001);
    }

    const ArcSearchPValues fair = Simulate(test::FairHistory(1000, 11));
    EXPECT_GT(fair.overall.value(), 0.05);
}

TEST(ArcSimulation, StopsWhenAsked) {
    const WheelBiasReport report = ComputeWheelBias(test::FairHistory(1000, 3));
    std::stop_source stop;
    auto run = std::async(std::launch::async, [&] {
        return SimulateArcSearch(report.spins, report.arcs, std::numeric_limits<int>::max(), kArcSearchSeed,
                                 stop.get_token());
    });
    stop.request_stop();
    const ArcSearchPValues result = run.get();
    EXPECT_TRUE(result.cancelled);
    EXPECT_LT(result.histories, std::numeric_limits<int>::max());
    EXPECT_TRUE(result.byLength.empty());
    EXPECT_FALSE(result.overall);
}

}  // namespace
}  // namespace orvanta
