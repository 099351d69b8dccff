// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>

// The live evidence (Evidence.h) on simulated wheels, looked at after every spin
// exactly as the window looks at it: what its stated chances and powers are checked
// against, and where its power table (DetectionPower.h) comes from.

namespace orvanta {

// One history of a wheel with one favoured number (a different one for each seed)
// that comes with `hitProbability`, the others sharing the rest; 1/37 is a fair
// wheel. The first spin at which the evidence reaches `alarm`, or none within
// `maxSpins`.
std::optional<std::int64_t> FirstAlarm(double hitProbability, std::int64_t maxSpins, double alarm,
                                       std::uint64_t seed);

// The share of `histories` such wheels (seeds seed, seed + 1, ...) whose evidence
// reaches kEvidenceAlarm within `spins`.
double EvidencePower(double hitProbability, std::int64_t spins, int histories, std::uint64_t seed,
                     std::stop_token stop = {});

// The fewest spins after which the evidence can have reached kEvidenceAlarm at all:
// every spin on one number.
std::int64_t FewestSpinsForAlarm();

}  // namespace orvanta
