// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/DetectionPower.h"

#include <cmath>

#include "core/stats/WheelTables.h"

namespace orvanta {

// Printed by tools/power-tables (2,000 histories per row down to 20,000 spins, then
// 1,000, then 400); print them again whenever the evidence or the verdict changes.
const std::array<EvidenceReach, 25> kEvidenceReach = {{
    {1.027, 1343892}, {1.031, 991786}, {1.035, 774705}, {1.045, 479935}, {1.055, 305225},
    {1.070, 186349},  {1.090, 119977}, {1.120, 65734},  {1.160, 39049},  {1.220, 21187},
    {1.300, 11430},   {1.400, 6748},   {1.550, 3658},   {1.750, 2110},   {2.000, 1225},
    {2.300, 800},     {2.800, 452},    {3.500, 255},    {4.500, 148},    {6.000, 87},
    {8.000, 54},      {11.000, 34},    {17.000, 18},    {25.000, 11},    {37.000, 6},
}};
const std::array<std::int64_t, kAdvantagesOfInterest.size()> kVerdictSpinsNeeded = {890000, 210000, 14000};

namespace {

// The table is close to a straight line in log spins against log (advantage - 1).
double Along(double advantage) {
    return std::log(advantage - 1.0);
}

}  // namespace

std::optional<std::int64_t> SpinsForEvidence(double hitProbability) {
    const double advantage = hitProbability * kPocketCount;
    if (advantage < kEvidenceReach.front().advantage) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < kEvidenceReach.size(); ++i) {
        const EvidenceReach& low = kEvidenceReach[i - 1];
        const EvidenceReach& high = kEvidenceReach[i];
        if (advantage <= high.advantage) {
            const double t =
                (Along(advantage) - Along(low.advantage)) / (Along(high.advantage) - Along(low.advantage));
            const double logSpins =
                std::log(static_cast<double>(low.spins)) +
                t * (std::log(static_cast<double>(high.spins)) - std::log(static_cast<double>(low.spins)));
            return static_cast<std::int64_t>(std::ceil(std::exp(logSpins) - 1e-9));
        }
    }
    return kEvidenceReach.back().spins;
}

std::optional<double> SmallestDetectableByEvidence(std::int64_t spins) {
    if (spins < kEvidenceReach.back().spins) {
        return std::nullopt;
    }
    if (spins >= kEvidenceReach.front().spins) {
        return kEvidenceReach.front().advantage / kPocketCount;
    }
    for (std::size_t i = 1; i < kEvidenceReach.size(); ++i) {
        const EvidenceReach& low = kEvidenceReach[i - 1];
        const EvidenceReach& high = kEvidenceReach[i];
        if (spins >= high.spins) {
            const double t =
                (std::log(static_cast<double>(spins)) - std::log(static_cast<double>(low.spins))) /
                (std::log(static_cast<double>(high.spins)) - std::log(static_cast<double>(low.spins)));
            const double along = Along(low.advantage) + t * (Along(high.advantage) - Along(low.advantage));
            return (1.0 + std::exp(along)) / kPocketCount;
        }
    }
    return kEvidenceReach.back().advantage / kPocketCount;
}

}  // namespace orvanta
