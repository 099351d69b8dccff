// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/PearsonTest.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>
#include <stdexcept>

namespace orvanta {

PearsonTest RunPearsonTest(std::span<const std::int64_t> observed, std::span<const double> expected) {
    if (observed.size() != expected.size()) {
        throw std::invalid_argument("RunPearsonTest: observed and expected differ in size");
    }
    PearsonTest test;
    test.degreesOfFreedom = static_cast<int>(observed.size()) - 1;
    double total = 0.0;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        total += expected[i];
        if (expected[i] > 0.0) {
            const double deviation = static_cast<double>(observed[i]) - expected[i];
            test.chiSquare += deviation * deviation / expected[i];
        }
    }
    if (total <= 0.0 || test.degreesOfFreedom < 1) {
        return test;
    }
    test.reliable =
        std::all_of(expected.begin(), expected.end(), [](double e) { return e >= kReliableExpectedCount; });
    const boost::math::chi_squared distribution(test.degreesOfFreedom);
    test.pValue = boost::math::cdf(boost::math::complement(distribution, test.chiSquare));
    return test;
}

}  // namespace orvanta
