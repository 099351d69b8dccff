// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/WheelBias.h"

#include <boost/math/distributions/binomial.hpp>

#include <cmath>
#include <stdexcept>

#include "core/stats/BinomialZ.h"
#include "core/stats/PearsonTest.h"

namespace orvanta {
namespace {

constexpr double kNumberShare = 1.0 / kPocketCount;

// P(X >= count) for X ~ Bin(spins, 1/37), exactly rather than by a normal curve,
// since a hot number's count sits far out in the tail where that curve is poor.
double UpperTail(std::int64_t count, std::int64_t spins) {
    if (count <= 0) {
        return 1.0;
    }
    const boost::math::binomial distribution(static_cast<double>(spins), kNumberShare);
    return boost::math::cdf(boost::math::complement(distribution, static_cast<double>(count - 1)));
}

// 1 - (1 - p)^37 without losing p to rounding when it is tiny.
double BestOf37(double p) {
    return -std::expm1(kPocketCount * std::log1p(-p));
}

HottestNumber FindHottestNumber(const WheelBiasReport& report) {
    const NumberFigures* hottest = &report.numbers[0];
    for (const NumberFigures& figures : report.numbers) {
        if (figures.count > hottest->count) {
            hottest = &figures;
        }
    }
    const double p = UpperTail(hottest->count, report.spins);
    return {hottest->number, hottest->count, hottest->expected, hottest->z, p, BestOf37(p)};
}

}  // namespace

WheelTally TallySpins(std::span<const std::int8_t> spins) {
    WheelTally tally;
    tally.spins = static_cast<std::int64_t>(spins.size());
    for (const std::int8_t n : spins) {
        if (n < 0 || n >= kPocketCount) {
            throw std::invalid_argument("TallySpins: a spin outside 0..36");
        }
        ++tally.countByNumber[static_cast<std::size_t>(n)];
    }
    // Walk back from the newest spin only until every number that came has been met.
    tally.gapByNumber.fill(tally.spins);
    std::array<bool, kPocketCount> met{};
    int unmet = 0;
    for (const std::int64_t count : tally.countByNumber) {
        unmet += count > 0 ? 1 : 0;
    }
    for (std::int64_t age = 0; unmet > 0; ++age) {
        const auto n = static_cast<std::size_t>(spins[spins.size() - 1 - static_cast<std::size_t>(age)]);
        if (!met[n]) {
            met[n] = true;
            tally.gapByNumber[n] = age;
            --unmet;
        }
    }
    return tally;
}

WheelBiasReport ReportFromTally(const WheelTally& tally) {
    WheelBiasReport report;
    report.spins = tally.spins;
    const double expected = static_cast<double>(tally.spins) * kNumberShare;
    std::array<std::int64_t, kPocketCount> countByPosition{};
    for (std::size_t position = 0; position < kWheelOrder.size(); ++position) {
        const auto n = static_cast<std::size_t>(kWheelOrder[position]);
        countByPosition[position] = tally.countByNumber[n];
        report.numbers[position] = {
            .number = kWheelOrder[position],
            .count = tally.countByNumber[n],
            .expected = expected,
            .z = BinomialZ(tally.countByNumber[n], tally.spins, kNumberShare),
            .gap = tally.gapByNumber[n],
            .gapChance = std::pow(1.0 - kNumberShare, static_cast<double>(tally.gapByNumber[n])),
        };
    }

    std::array<double, kPocketCount> expectedByNumber;
    expectedByNumber.fill(expected);
    const PearsonTest numbersTest = RunPearsonTest(tally.countByNumber, expectedByNumber);
    report.chiSquare = numbersTest.chiSquare;
    report.degreesOfFreedom = numbersTest.degreesOfFreedom;
    report.pValue = numbersTest.pValue;
    report.reliable = numbersTest.reliable;

    report.categories = TestCategories(tally.countByNumber);
    if (tally.spins > 0) {
        report.hottest = FindHottestNumber(report);
        const auto arcs = FindHottestArcs(countByPosition, tally.spins);
        report.arcs.assign(arcs.begin(), arcs.end());
    }
    return report;
}

WheelBiasReport ComputeWheelBias(std::span<const std::int8_t> spins) {
    return ReportFromTally(TallySpins(spins));
}

}  // namespace orvanta
