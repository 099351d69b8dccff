// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/stats/WheelClassifications.h"
#include "core/stats/WheelTables.h"

// The tests that make the fixed-sample verdict, each reduced to one statistic that
// grows the less fair the spins look. The verdict judges them together by simulation
// (see VerdictSimulation.h), so a statistic needs no distribution of its own: only
// the same value for the same counts.

namespace orvanta {

enum class VerdictTest : std::size_t { Numbers, HottestNumber, HottestArc, FirstClassification };
// The 37 numbers' chi-squared, the hottest number, the hottest arc, then each classification.
inline constexpr std::size_t kVerdictTestCount =
    static_cast<std::size_t>(VerdictTest::FirstClassification) + kWheelClassifications.size();

using VerdictStatistics = std::array<double, kVerdictTestCount>;

// Statistics from the count of every number (indexed by the number):
// - the numbers and each classification: sum of count^2 / pockets over the cells,
//   Pearson's chi-squared but for a constant, in exact integers as long as a
//   double holds them, so that equal statistics of different counts tie exactly;
// - the hottest number: its count;
// - the hottest arc: the largest z of the hottest arcs of 3 to 9 pockets.
VerdictStatistics StatisticsOf(const std::array<std::int64_t, kPocketCount>& countByNumber);

// Whether a test takes part in the verdict at this many spins. A chi-squared test
// joins once each of its cells expects 5 hits, as when it is read on its own: before
// that a single spin on zero, alone in its cell, would look like a wheel that favours
// zero's cell. Which tests take part depends on the spins alone, so the verdict's
// level holds.
bool VerdictTestApplies(std::size_t test, std::int64_t spins);

// "the counts of the 37 numbers", "the hottest number", "the hottest arc", "High/Low".
std::string VerdictTestName(std::size_t test);

}  // namespace orvanta
