// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/stats/WheelArcs.h"
#include "core/stats/WheelTables.h"

// Whether a stretch of the wheel or a classification that stands out does so of its
// own, or only because one number in it is hot. Betting on the neighbours of a hot
// number, or on its row, is a mistake when they came no more often than a fair wheel
// brings them: so the figures are worked out again without the strongest number,
// on the spins that did not land on it.

namespace orvanta {

struct WithoutStrongest {
    int number = -1;               // the strongest number of the arc or cell
    int cell = -1;                 // the classification's cell furthest above its fair share
    double z = 0.0;                // the arc's other pockets, against their share of the other spins
    std::optional<double> pValue;  // the rest, one-sided for an arc, chi-squared for a classification
    bool holds = false;            // the rest stands out at the 5 % level on its own
};

// The arc without its pocket of most hits (the first clockwise of equals).
WithoutStrongest ArcWithoutStrongest(const HottestArc& arc,
                                     const std::array<std::int64_t, kPocketCount>& countByNumber);

// The classification without the number of most hits in its cell furthest above its
// fair share.
WithoutStrongest ClassificationWithoutStrongest(std::size_t classification,
                                                const std::array<std::int64_t, kPocketCount>& countByNumber);

}  // namespace orvanta
