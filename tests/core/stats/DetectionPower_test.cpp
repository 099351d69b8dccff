// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/DetectionPower.h"

#include <gtest/gtest.h>

#include "core/stats/EvidenceSimulation.h"

namespace orvanta {
namespace {

// What the window says the live evidence can find within so many spins, checked
// against a fresh simulation of the evidence looked at after every spin (seeds other
// than the table's; 100,000 spins take too long here and are checked in bench/).
// Allowance: three standard errors of the table's simulation and this one together.
TEST(DetectionPower, EvidenceTableAgreesWithASimulationOfTheEvidence) {
    for (const std::int64_t spins : {37, 1'000}) {
        const std::optional<double> hit = SmallestDetectableByEvidence(spins);
        ASSERT_TRUE(hit) << spins;
        EXPECT_NEAR(EvidencePower(*hit, spins, 2'000, 555), kDetectionPower, 0.04) << spins;
        EXPECT_NEAR(static_cast<double>(SpinsForEvidence(*hit).value()), static_cast<double>(spins),
                    spins * 0.01);
    }
    // Fewer spins than even a number that comes every spin needs.
    EXPECT_FALSE(SmallestDetectableByEvidence(FewestSpinsForAlarm() - 1));
    EXPECT_FALSE(SpinsForEvidence(1.0 / 37));
}

}  // namespace
}  // namespace orvanta
