// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <math.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "core/stats/Evidence.h"
#include "core/stats/WheelClassifications.h"

// The pieces of the evidence that the figure from counts (EvaluateEvidence) and
// the spin-by-spin form (EvidenceTracker) share, so that both mix the same
// alternatives with the same weights.

namespace orvanta::evidence {

// Stretches of neighbouring pockets: a single number is a stretch of one.
inline constexpr std::array<int, 8> kStretchLengths = {1, 3, 4, 5, 6, 7, 8, 9};
inline constexpr std::size_t kStretchKinds = kStretchLengths.size();
inline constexpr std::size_t kAdvantageCount = kEvidenceAdvantages.size();
inline constexpr std::size_t kConcentrationCount = kEvidenceConcentrations.size();
// Dirichlet groups: the 37 numbers, then each classification.
inline constexpr std::size_t kGroupCount = 1 + kWheelClassifications.size();

// Each family weighs a quarter; within it, every alternative the same.
inline constexpr double kNumbersWeight = 0.25 / (kPocketCount * kAdvantageCount);
inline constexpr double kArcsWeight = 0.25 / ((kStretchKinds - 1) * kPocketCount * kAdvantageCount);
inline constexpr double kAllNumbersWeight = 0.25 / kConcentrationCount;
inline constexpr double kClassificationsWeight = 0.25 / (kWheelClassifications.size() * kConcentrationCount);

inline double StretchWeight(std::size_t stretch) {
    return stretch == 0 ? kNumbersWeight : kArcsWeight;
}
inline double GroupWeight(std::size_t group) {
    return group == 0 ? kAllNumbersWeight : kClassificationsWeight;
}

// A stretch of `length` pockets favoured by `advantage`: each spin in it has the
// likelihood ratio `advantage`, each spin outside it (1 - advantage q0) / (1 - q0),
// q0 = length / 37 being its fair share.
struct StretchOdds {
    double logHit = 0.0;
    double logMiss = 0.0;
};

inline StretchOdds OddsOf(std::size_t stretch, std::size_t advantage) {
    const double share = static_cast<double>(kStretchLengths[stretch]) / kPocketCount;
    const double a = kEvidenceAdvantages[advantage];
    return {std::log(a), std::log1p(-a * share) - std::log1p(-share)};
}

// Hits of the stretch starting at each wheel position, from the counts by number.
inline std::array<std::int64_t, kPocketCount> StretchCounts(
    const std::array<std::int64_t, kPocketCount>& countByNumber, int length) {
    std::array<std::int64_t, kPocketCount> byPosition{};
    for (std::size_t p = 0; p < kWheelOrder.size(); ++p) {
        byPosition[p] = countByNumber[static_cast<std::size_t>(kWheelOrder[p])];
    }
    std::array<std::int64_t, kPocketCount> counts{};
    for (std::size_t p = 0; p < kWheelOrder.size(); ++p) {
        for (int i = 0; i < length; ++i) {
            counts[p] += byPosition[(p + static_cast<std::size_t>(i)) % kPocketCount];
        }
    }
    return counts;
}

inline int CellCount(std::size_t group) {
    return group == 0 ? kPocketCount : kWheelClassifications[group - 1].cellCount;
}
inline int CellOf(std::size_t group, int number) {
    return group == 0 ? number : kWheelClassifications[group - 1].cellOf[static_cast<std::size_t>(number)];
}
inline double CellShare(std::size_t group, int cell) {
    return group == 0 ? 1.0 / kPocketCount
                      : kWheelClassifications[group - 1].pockets[static_cast<std::size_t>(cell)] /
                            static_cast<double>(kPocketCount);
}

inline std::array<std::int64_t, kPocketCount> CellCounts(
    std::size_t group, const std::array<std::int64_t, kPocketCount>& countByNumber) {
    std::array<std::int64_t, kPocketCount> cells{};
    for (int n = 0; n < kPocketCount; ++n) {
        cells[static_cast<std::size_t>(CellOf(group, n))] += countByNumber[static_cast<std::size_t>(n)];
    }
    return cells;
}

// lgamma_r rather than std::lgamma, which writes a global and so may not run on two threads at once.
inline double LogGamma(double x) {
    int sign = 0;
    return ::lgamma_r(x, &sign);
}

// log Gamma(A share) of every group, concentration and cell: they depend on no
// spin, and working them out once halves the cost of a figure.
inline double PriorLogGamma(std::size_t group, std::size_t concentration, int cell) {
    static const auto kTable = [] {
        std::array<std::array<std::array<double, kPocketCount + 1>, kConcentrationCount>, kGroupCount> t{};
        for (std::size_t g = 0; g < kGroupCount; ++g) {
            for (std::size_t c = 0; c < kConcentrationCount; ++c) {
                for (int cell = 0; cell < CellCount(g); ++cell) {
                    t[g][c][static_cast<std::size_t>(cell)] =
                        LogGamma(kEvidenceConcentrations[c] * CellShare(g, cell));
                }
                t[g][c][kPocketCount] = LogGamma(kEvidenceConcentrations[c]);
            }
        }
        return t;
    }();
    return kTable[group][concentration][static_cast<std::size_t>(cell < 0 ? kPocketCount : cell)];
}

// The log Bayes factor of a Dirichlet(A share_1, ..., A share_k) mixture of the
// cells' chances against their fair shares: the Dirichlet-multinomial likelihood
// over the multinomial one.
inline double DirichletLogFactor(std::size_t group, std::size_t concentration,
                                 const std::array<std::int64_t, kPocketCount>& cellCounts) {
    const double a = kEvidenceConcentrations[concentration];
    double log = 0.0;
    std::int64_t spins = 0;
    for (int cell = 0; cell < CellCount(group); ++cell) {
        const double share = CellShare(group, cell);
        const auto observed = cellCounts[static_cast<std::size_t>(cell)];
        log += LogGamma(a * share + static_cast<double>(observed)) -
               PriorLogGamma(group, concentration, cell) - static_cast<double>(observed) * std::log(share);
        spins += observed;
    }
    return log + PriorLogGamma(group, concentration, -1) - LogGamma(a + static_cast<double>(spins));
}

}  // namespace orvanta::evidence
