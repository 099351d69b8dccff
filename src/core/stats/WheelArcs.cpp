// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/WheelArcs.h"

#include "core/stats/BinomialZ.h"

namespace orvanta {

std::array<HottestArc, kArcLengthCount> FindHottestArcs(
    const std::array<std::int64_t, kPocketCount>& countByPosition, std::int64_t spins) {
    std::array<HottestArc, kArcLengthCount> arcs{};
    for (int length = kShortestArc; length <= kLongestArc; ++length) {
        // Slide a window of `length` pockets once round the wheel.
        std::int64_t sum = 0;
        for (int i = 0; i < length; ++i) {
            sum += countByPosition[static_cast<std::size_t>(i)];
        }
        std::int64_t best = sum;
        int bestStart = 0;
        for (int start = 1; start < kPocketCount; ++start) {
            sum += countByPosition[static_cast<std::size_t>((start + length - 1) % kPocketCount)] -
                   countByPosition[static_cast<std::size_t>(start - 1)];
            if (sum > best) {
                best = sum;
                bestStart = start;
            }
        }
        const double share = static_cast<double>(length) / kPocketCount;
        arcs[static_cast<std::size_t>(length - kShortestArc)] = {
            .length = length,
            .firstPocket = kWheelOrder[static_cast<std::size_t>(bestStart)],
            .count = best,
            .expected = static_cast<double>(spins) * share,
            .z = BinomialZ(best, spins, share),
        };
    }
    return arcs;
}

}  // namespace orvanta
