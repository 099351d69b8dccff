// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/ArcSimulation.h"

#include <boost/random/binomial_distribution.hpp>
#include <boost/random/mersenne_twister.hpp>

#include <algorithm>
#include <array>

#include "core/stats/WheelTables.h"

namespace orvanta {
namespace {

// The 37 counts of a fair history drawn at once as a multinomial, by successive
// binomials: each pocket takes its share of the spins the pockets before it left.
// So a history costs the same whatever its length.
std::array<std::int64_t, kPocketCount> FairCountsByPosition(std::int64_t spins,
                                                            boost::random::mt19937_64& random) {
    std::array<std::int64_t, kPocketCount> counts{};
    std::int64_t left = spins;
    for (int position = 0; position + 1 < kPocketCount && left > 0; ++position) {
        boost::random::binomial_distribution<std::int64_t> share(left, 1.0 / (kPocketCount - position));
        counts[static_cast<std::size_t>(position)] = share(random);
        left -= counts[static_cast<std::size_t>(position)];
    }
    counts[kPocketCount - 1] += left;
    return counts;
}

double HottestArcZ(const std::array<std::int64_t, kPocketCount>& countByPosition, std::int64_t spins) {
    const auto arcs = FindHottestArcs(countByPosition, spins);
    return std::max_element(arcs.begin(), arcs.end(), [](const auto& a, const auto& b) { return a.z < b.z; })
        ->z;
}

}  // namespace

ArcSearchPValues SimulateArcSearch(std::int64_t spins, std::span<const HottestArc> observed, int histories,
                                   std::uint64_t seed, std::stop_token stop) {
    ArcSearchPValues result;
    if (spins <= 0 || observed.empty()) {
        return result;
    }
    double hottestObserved = observed.front().z;
    for (const HottestArc& arc : observed) {
        hottestObserved = std::max(hottestObserved, arc.z);
    }

    boost::random::mt19937_64 random(seed);
    std::vector<std::int64_t> reached(observed.size(), 0);
    std::int64_t reachedOverall = 0;
    for (; result.histories < histories; ++result.histories) {
        if (stop.stop_requested()) {
            result.cancelled = true;
            return result;
        }
        const double z = HottestArcZ(FairCountsByPosition(spins, random), spins);
        for (std::size_t i = 0; i < observed.size(); ++i) {
            reached[i] += z >= observed[i].z ? 1 : 0;
        }
        reachedOverall += z >= hottestObserved ? 1 : 0;
    }

    const auto pValue = [&](std::int64_t count) {
        return static_cast<double>(1 + count) / static_cast<double>(1 + result.histories);
    };
    for (const std::int64_t count : reached) {
        result.byLength.push_back(pValue(count));
    }
    result.overall = pValue(reachedOverall);
    return result;
}

}  // namespace orvanta
