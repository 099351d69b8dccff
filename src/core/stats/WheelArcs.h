// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "core/stats/WheelTables.h"

namespace orvanta {

// A biased wheel favours a stretch of neighbouring pockets (a tilted wheel, a
// worn fret), so arcs are searched as well as single numbers.
inline constexpr int kShortestArc = 3;
inline constexpr int kLongestArc = 9;
inline constexpr int kArcLengthCount = kLongestArc - kShortestArc + 1;

struct HottestArc {
    int length = 0;       // pockets in the arc
    int firstPocket = 0;  // the number where the arc starts, going clockwise
    std::int64_t count = 0;
    double expected = 0.0;
    double z = 0.0;  // against a binomial with share length/37
};

// For every length from kShortestArc to kLongestArc, the arc with the most hits;
// arcs wrap past the end of the wheel order back to zero. Ties go to the arc met
// first going clockwise from zero.
std::array<HottestArc, kArcLengthCount> FindHottestArcs(
    const std::array<std::int64_t, kPocketCount>& countByPosition, std::int64_t spins);

}  // namespace orvanta
