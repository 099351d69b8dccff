// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

// What the window's two procedures can find: the live evidence reaching its alarm
// of 20, and the fixed-sample verdict at 5 %. Each figure is the power of the
// procedure itself, from simulations of it (tools/power-tables prints the tables
// below; tests and benchmarks check them against fresh simulations): the chance
// that it finds one favoured number, whichever it is.

namespace orvanta {

inline constexpr double kDetectionPower = 0.80;

// The advantages worth asking about: break-even for a single-number bet, and two beyond it.
inline constexpr std::array<double, 3> kAdvantagesOfInterest = {1.0 / 36, 1.0 / 35, 1.0 / 30};

// A single-number bet pays 35 to 1: the player's expected gain per unit staked.
constexpr double PlayerEdge(double hitProbability) {
    return 36.0 * hitProbability - 1.0;
}

// The spins within which the live evidence reaches 20 for 80 % of wheels whose one
// favoured number comes with this advantage (its chance over 1/37).
struct EvidenceReach {
    double advantage = 1.0;
    std::int64_t spins = 0;
};
extern const std::array<EvidenceReach, 25> kEvidenceReach;

// The spins within which the evidence reaches 20, 80 % of the time, for a number
// with this hit probability; none below the table's smallest advantage.
std::optional<std::int64_t> SpinsForEvidence(double hitProbability);

// The smallest hit probability of one number whose evidence reaches 20 within these
// spins 80 % of the time; none when even a number that comes every spin does not.
std::optional<double> SmallestDetectableByEvidence(std::int64_t spins);

// The spins the verdict needs to find a number of each of kAdvantagesOfInterest 80 %
// of the time, to two significant digits.
extern const std::array<std::int64_t, kAdvantagesOfInterest.size()> kVerdictSpinsNeeded;

}  // namespace orvanta
