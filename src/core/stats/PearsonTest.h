// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace orvanta {

// Below this many expected hits in a cell, the chi-squared distribution is a
// poor stand-in for the statistic's own, so its p-value is not to be trusted yet.
inline constexpr double kReliableExpectedCount = 5.0;

struct PearsonTest {
    double chiSquare = 0.0;
    int degreesOfFreedom = 0;
    std::optional<double> pValue;  // none when there is nothing to test (no spins)
    bool reliable = false;         // every expected count is at least kReliableExpectedCount
};

// Pearson's goodness-of-fit test of observed counts against expected ones of the
// same total. With no spins every expected count is 0: the statistic is 0 and
// there is no p-value.
PearsonTest RunPearsonTest(std::span<const std::int64_t> observed, std::span<const double> expected);

}  // namespace orvanta
