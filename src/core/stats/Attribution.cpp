// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/Attribution.h"

#include <boost/math/distributions/binomial.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "core/stats/BinomialZ.h"
#include "core/stats/PearsonTest.h"
#include "core/stats/WheelClassifications.h"

namespace orvanta {
namespace {

constexpr double kLevel = 0.05;

std::int64_t SpinsOf(const std::array<std::int64_t, kPocketCount>& countByNumber) {
    return std::accumulate(countByNumber.begin(), countByNumber.end(), std::int64_t{0});
}

}  // namespace

WithoutStrongest ArcWithoutStrongest(const HottestArc& arc,
                                     const std::array<std::int64_t, kPocketCount>& countByNumber) {
    WithoutStrongest result;
    const int first = kWheelPosition[static_cast<std::size_t>(arc.firstPocket)];
    std::int64_t most = -1;
    for (int i = 0; i < arc.length; ++i) {
        const int number = kWheelOrder[static_cast<std::size_t>((first + i) % kPocketCount)];
        if (countByNumber[static_cast<std::size_t>(number)] > most) {
            most = countByNumber[static_cast<std::size_t>(number)];
            result.number = number;
        }
    }
    std::int64_t rest = -most;
    for (int i = 0; i < arc.length; ++i) {
        rest += countByNumber[static_cast<std::size_t>(
            kWheelOrder[static_cast<std::size_t>((first + i) % kPocketCount)])];
    }
    const std::int64_t otherSpins = SpinsOf(countByNumber) - most;
    const double share = static_cast<double>(arc.length - 1) / (kPocketCount - 1);
    result.z = BinomialZ(rest, otherSpins, share);
    if (otherSpins > 0) {
        const boost::math::binomial distribution(static_cast<double>(otherSpins), share);
        result.pValue =
            rest <= 0
                ? 1.0
                : boost::math::cdf(boost::math::complement(distribution, static_cast<double>(rest - 1)));
        result.holds = *result.pValue < kLevel;
    }
    return result;
}

WithoutStrongest ClassificationWithoutStrongest(std::size_t classification,
                                                const std::array<std::int64_t, kPocketCount>& countByNumber) {
    const WheelClassification& c = kWheelClassifications[classification];
    const std::int64_t spins = SpinsOf(countByNumber);
    const std::array<std::int64_t, kMostCells> cells = CellCountsOf(c, countByNumber);
    const int furthest = std::max(0, CellFurthestAbove(c, cells));
    WithoutStrongest result;
    result.cell = furthest;
    std::int64_t most = -1;
    for (int n = 0; n < kPocketCount; ++n) {
        if (c.cellOf[static_cast<std::size_t>(n)] == furthest &&
            countByNumber[static_cast<std::size_t>(n)] > most) {
            most = countByNumber[static_cast<std::size_t>(n)];
            result.number = n;
        }
    }
    // The other spins in the cells the other 36 pockets make; a cell of that one pocket alone goes.
    const std::int64_t otherSpins = spins - most;
    std::vector<std::int64_t> observed;
    std::vector<double> expected;
    for (int cell = 0; cell < c.cellCount; ++cell) {
        const int pockets = c.pockets[static_cast<std::size_t>(cell)] - (cell == furthest ? 1 : 0);
        if (pockets > 0) {
            observed.push_back(cells[static_cast<std::size_t>(cell)] - (cell == furthest ? most : 0));
            expected.push_back(static_cast<double>(otherSpins) * pockets / (kPocketCount - 1));
        }
    }
    const PearsonTest test = RunPearsonTest(observed, expected);
    result.pValue = test.pValue;
    result.holds = test.pValue && *test.pValue < kLevel;
    return result;
}

}  // namespace orvanta
