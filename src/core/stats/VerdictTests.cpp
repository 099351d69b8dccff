// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/VerdictTests.h"

#include <algorithm>
#include <numeric>

#include "core/stats/PearsonTest.h"
#include "core/stats/WheelArcs.h"

namespace orvanta {
namespace {

// Sums of squared counts outgrow 64 bits on the longest histories.
__extension__ typedef __int128 WideCount;

// The least common multiple of the pockets of every cell, so that count^2 / pockets
// is count^2 * (multiple / pockets), an integer.
constexpr std::int64_t kCommonMultiple = [] {
    std::int64_t multiple = 1;
    for (const WheelClassification& classification : kWheelClassifications) {
        for (int cell = 0; cell < classification.cellCount; ++cell) {
            multiple = std::lcm(
                multiple, static_cast<std::int64_t>(classification.pockets[static_cast<std::size_t>(cell)]));
        }
    }
    return multiple;
}();

double SquaresOverPockets(const WheelClassification& classification,
                          const std::array<std::int64_t, kPocketCount>& countByNumber) {
    const std::array<std::int64_t, kMostCells> cells = CellCountsOf(classification, countByNumber);
    WideCount sum = 0;
    for (int cell = 0; cell < classification.cellCount; ++cell) {
        const auto observed = static_cast<WideCount>(cells[static_cast<std::size_t>(cell)]);
        sum +=
            observed * observed * (kCommonMultiple / classification.pockets[static_cast<std::size_t>(cell)]);
    }
    return static_cast<double>(sum);
}

}  // namespace

VerdictStatistics StatisticsOf(const std::array<std::int64_t, kPocketCount>& countByNumber) {
    VerdictStatistics statistics{};
    WideCount squares = 0;
    std::array<std::int64_t, kPocketCount> byPosition{};
    std::int64_t spins = 0;
    for (std::size_t p = 0; p < kWheelOrder.size(); ++p) {
        const std::int64_t count = countByNumber[static_cast<std::size_t>(kWheelOrder[p])];
        byPosition[p] = count;
        squares += static_cast<WideCount>(count) * count;
        spins += count;
    }
    statistics[static_cast<std::size_t>(VerdictTest::Numbers)] = static_cast<double>(squares);
    statistics[static_cast<std::size_t>(VerdictTest::HottestNumber)] =
        static_cast<double>(*std::max_element(countByNumber.begin(), countByNumber.end()));
    const auto arcs = FindHottestArcs(byPosition, spins);
    statistics[static_cast<std::size_t>(VerdictTest::HottestArc)] =
        std::max_element(arcs.begin(), arcs.end(), [](const HottestArc& a, const HottestArc& b) {
            return a.z < b.z;
        })->z;
    for (std::size_t c = 0; c < kWheelClassifications.size(); ++c) {
        statistics[static_cast<std::size_t>(VerdictTest::FirstClassification) + c] =
            SquaresOverPockets(kWheelClassifications[c], countByNumber);
    }
    return statistics;
}

bool VerdictTestApplies(std::size_t test, std::int64_t spins) {
    int fewestPockets = 1;
    switch (static_cast<VerdictTest>(test)) {
        case VerdictTest::HottestNumber:
        case VerdictTest::HottestArc:
            return spins > 0;
        case VerdictTest::Numbers:
            break;
        default: {
            const WheelClassification& classification =
                kWheelClassifications[test - static_cast<std::size_t>(VerdictTest::FirstClassification)];
            fewestPockets = *std::min_element(classification.pockets.begin(),
                                              classification.pockets.begin() + classification.cellCount);
        }
    }
    return static_cast<double>(spins) * fewestPockets / kPocketCount >= kReliableExpectedCount;
}

std::string VerdictTestName(std::size_t test) {
    switch (static_cast<VerdictTest>(test)) {
        case VerdictTest::Numbers:
            return "the counts of the 37 numbers";
        case VerdictTest::HottestNumber:
            return "the hottest number";
        case VerdictTest::HottestArc:
            return "the hottest arc";
        default:
            break;
    }
    return std::string(
        kWheelClassifications[test - static_cast<std::size_t>(VerdictTest::FirstClassification)].name);
}

}  // namespace orvanta
