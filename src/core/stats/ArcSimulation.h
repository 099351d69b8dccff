// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

#include "core/stats/WheelArcs.h"

namespace orvanta {

inline constexpr int kArcSearchHistories = 10'000;
// Fixed so that the same history always gets the same p-values.
inline constexpr std::uint64_t kArcSearchSeed = 20'261'209;

struct ArcSearchPValues {
    bool cancelled = false;  // stopped before the end; no p-values then
    int histories = 0;       // fair histories simulated
    // The chance that a fair wheel shows an arc at least as hot as each observed
    // one, anywhere and of any length 3..9: parallel to the observed arcs.
    std::vector<double> byLength;
    std::optional<double> overall;  // the same for the hottest of all observed arcs
};

// Corrects the hottest arcs' z for the search over 37 positions and 7 lengths by
// simulating `histories` fair histories of `spins` spins: a p-value is
// (1 + histories whose hottest arc reaches the z) / (1 + histories).
// Deterministic for a given seed on this platform; keeps no state, so it may run
// on any thread; checks `stop` between histories. With no spins or no observed
// arcs there is nothing to correct: no p-values.
ArcSearchPValues SimulateArcSearch(std::int64_t spins, std::span<const HottestArc> observed,
                                   int histories = kArcSearchHistories, std::uint64_t seed = kArcSearchSeed,
                                   std::stop_token stop = {});

}  // namespace orvanta
