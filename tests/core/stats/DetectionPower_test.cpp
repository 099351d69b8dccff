// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/DetectionPower.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// Worked by hand from z(0.95) = 1.644854, z(0.80) = 0.841621 and, for the fair
// wheel, sqrt(1/37 * 36/37) = 6/37. Spins needed for p1:
//   n = ((1.644854 * 6/37 + 0.841621 * sqrt(p1 (1 - p1))) / (p1 - 1/37))^2
//   1/36: (0.266733 + 0.138308) * 1332 = 539.515, n = 291,076.5 -> 291,077
//   1/35: (0.266733 + 0.140214) * 647.5 = 263.498, n = 69,430.9 -> 69,431
//   1/30: (0.266733 + 0.151077) * 158.571 = 66.2528, n = 4,389.4 -> 4,390
// Smallest detectable p1 for n spins, solving the same condition for p1 by
// iteration p1 <- 1/37 + (0.266733 + 0.841621 * sqrt(p1 (1 - p1))) / sqrt(n):
//   n = 1,000: 0.0407221 (edge 36 p1 - 1 = 0.465995); n = 10,000: 0.0311566 (edge 0.121637)
TEST(DetectionPower, SpinsNeededForAnAdvantage) {
    const std::pair<double, std::int64_t> rows[] = {
        {1.0 / 36, 291'077}, {1.0 / 35, 69'431}, {1.0 / 30, 4'390}};
    for (const auto& [p1, spins] : rows) {
        EXPECT_EQ(SpinsNeededToDetect(p1), spins) << p1;
    }
    EXPECT_FALSE(SpinsNeededToDetect(1.0 / 37));  // a fair number cannot be told from a fair number
    EXPECT_FALSE(SpinsNeededToDetect(0.02));
}

TEST(DetectionPower, SmallestAdvantageThatSpinsCanShow) {
    const std::tuple<std::int64_t, double, double> rows[] = {{1'000, 0.0407221, 0.465995},
                                                             {10'000, 0.0311566, 0.121637}};
    for (const auto& [spins, p1, edge] : rows) {
        const DetectionPower power = ComputeDetectionPower(spins);
        ASSERT_TRUE(power.smallestDetectable) << spins;
        EXPECT_NEAR(*power.smallestDetectable, p1, 1e-7) << spins;
        EXPECT_NEAR(power.playerEdge.value(), edge, 1e-5) << spins;
        EXPECT_EQ(power.needs[0].spinsNeeded, 291'077);
    }
    EXPECT_FALSE(SmallestDetectableHitProbability(0));
}

}  // namespace
}  // namespace orvanta
