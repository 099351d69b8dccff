// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/stats/CategoryTests.h"
#include "core/stats/WheelArcs.h"
#include "core/stats/WheelTables.h"

namespace orvanta {

// Everything the statistics need of a history: how often each number came and
// how long ago it last came. Counts are 64-bit so that no history is too long.
struct WheelTally {
    std::int64_t spins = 0;  // the sum of the counts
    std::array<std::int64_t, kPocketCount> countByNumber{};
    std::array<std::int64_t, kPocketCount> gapByNumber{};  // spins since it last came; `spins` if never
};

struct NumberFigures {
    int number = 0;
    std::int64_t count = 0;
    double expected = 0.0;   // spins / 37
    double z = 0.0;          // (count - expected) / sqrt(spins * 1/37 * 36/37)
    std::int64_t gap = 0;    // spins since it last came; all the spins if it never came
    double gapChance = 1.0;  // chance of a gap at least this long on a fair wheel: (36/37)^gap
};

struct HottestNumber {
    int number = 0;
    std::int64_t count = 0;
    double expected = 0.0;
    double z = 0.0;
    double pValue = 1.0;           // P(X >= count), X ~ Bin(spins, 1/37)
    double correctedPValue = 1.0;  // allowing for having picked the best of 37: 1 - (1 - p)^37
};

// The bias statistics of one span of spins.
//
// With no spins there is nothing to test: `spins` is 0, every p-value is
// std::nullopt, there is no hottest number and no arc, and every number has
// count, expected and z 0 and gap 0 (chance 1).
struct WheelBiasReport {
    std::int64_t spins = 0;

    // Pearson's test over the 37 numbers.
    double chiSquare = 0.0;
    int degreesOfFreedom = kPocketCount - 1;
    std::optional<double> pValue;
    bool reliable = false;  // at least 5 expected hits per number

    std::array<NumberFigures, kPocketCount> numbers{};  // in wheel order
    std::vector<CategoryTest> categories;               // colour, dozen, column, six-group, row, sector
    std::optional<HottestNumber> hottest;               // ties go to the first in wheel order
    std::vector<HottestArc> arcs;  // one per length kShortestArc..kLongestArc; empty with no spins
};

// Counts and gaps of a history. Throws std::invalid_argument for a number outside
// 0..36, which would otherwise be counted into memory it does not own.
WheelTally TallySpins(std::span<const std::int8_t> spins);

WheelBiasReport ReportFromTally(const WheelTally& tally);

// The report of a history, oldest spin first (as SpinModel::Spins() gives it).
// The arcs' corrected p-values are left to SimulateArcSearch, which takes far longer.
WheelBiasReport ComputeWheelBias(std::span<const std::int8_t> spins);

}  // namespace orvanta
