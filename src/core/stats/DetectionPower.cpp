// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/DetectionPower.h"

#include <boost/math/distributions/normal.hpp>
#include <boost/math/tools/roots.hpp>

#include <cmath>

namespace orvanta {
namespace {

constexpr double kFairHit = 1.0 / 37;

double StandardNormalQuantile(double probability) {
    return boost::math::quantile(boost::math::normal(), probability);
}

// The two halves of the detection condition
//   sqrt(n) * (p1 - p0) >= zLevel * sqrt(p0 q0) + zPower * sqrt(p1 q1):
// the margin needed under the fair wheel, and the spread under the favoured one.
double FairMargin() {
    return StandardNormalQuantile(1.0 - kDetectionLevel) * std::sqrt(kFairHit * (1 - kFairHit));
}
double FavouredSpread(double p) {
    return StandardNormalQuantile(kDetectionPower) * std::sqrt(p * (1 - p));
}

}  // namespace

std::optional<double> SmallestDetectableHitProbability(std::int64_t spins) {
    if (spins <= 0) {
        return std::nullopt;
    }
    const double rootN = std::sqrt(static_cast<double>(spins));
    const double margin = FairMargin();
    const auto shortfall = [&](double p) { return rootN * (p - kFairHit) - margin - FavouredSpread(p); };
    // Negative at the fair probability; at certainty it is positive for any n >= 1.
    if (shortfall(1.0) < 0.0) {
        return std::nullopt;
    }
    std::uintmax_t iterations = 200;
    const auto [low, high] = boost::math::tools::toms748_solve(
        shortfall, kFairHit, 1.0, boost::math::tools::eps_tolerance<double>(), iterations);
    return low + (high - low) / 2;
}

std::optional<std::int64_t> SpinsNeededToDetect(double hitProbability) {
    if (!(hitProbability > kFairHit && hitProbability <= 1.0)) {
        return std::nullopt;
    }
    const double rootN = (FairMargin() + FavouredSpread(hitProbability)) / (hitProbability - kFairHit);
    return static_cast<std::int64_t>(std::ceil(rootN * rootN));
}

DetectionPower ComputeDetectionPower(std::int64_t spins) {
    DetectionPower power;
    power.smallestDetectable = SmallestDetectableHitProbability(spins);
    if (power.smallestDetectable) {
        power.playerEdge = PlayerEdge(*power.smallestDetectable);
    }
    for (std::size_t i = 0; i < kAdvantagesOfInterest.size(); ++i) {
        power.needs[i] = {kAdvantagesOfInterest[i],
                          SpinsNeededToDetect(kAdvantagesOfInterest[i]).value_or(0)};
    }
    return power;
}

}  // namespace orvanta
