// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace orvanta {

// What a history of a given length can show at all: a one-sided test at the 5 %
// level that finds a favoured number 80 % of the time (normal approximation to
// the binomial count of that number).
inline constexpr double kDetectionLevel = 0.05;
inline constexpr double kDetectionPower = 0.80;

// The advantages worth asking about: break-even for a single-number bet, and two beyond it.
inline constexpr std::array<double, 3> kAdvantagesOfInterest = {1.0 / 36, 1.0 / 35, 1.0 / 30};

struct SpinsForAdvantage {
    double hitProbability = 0.0;
    std::int64_t spinsNeeded = 0;
};

struct DetectionPower {
    std::optional<double> smallestDetectable;  // hit probability of one number; none with no spins
    std::optional<double> playerEdge;          // of a single-number bet at that probability
    std::array<SpinsForAdvantage, kAdvantagesOfInterest.size()> needs{};
};

// The smallest single-number hit probability above 1/37 that `spins` spins detect;
// none when there are no spins.
std::optional<double> SmallestDetectableHitProbability(std::int64_t spins);

// The spins needed to detect a number that comes with the given probability; none
// when it does not beat the fair 1/37 or is no probability.
std::optional<std::int64_t> SpinsNeededToDetect(double hitProbability);

// A single-number bet pays 35 to 1: the player's expected gain per unit staked.
constexpr double PlayerEdge(double hitProbability) {
    return 36.0 * hitProbability - 1.0;
}

DetectionPower ComputeDetectionPower(std::int64_t spins);

}  // namespace orvanta
