// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/stats/WheelTables.h"

namespace orvanta {

struct TestCell {
    std::string label;  // the category's value ("R", "2"), or "0" for the cell of zero
    std::int64_t observed = 0;
    double expected = 0.0;
};

// The chi-squared test of one classification: are its values hit in proportion
// to the pockets they hold?
struct CategoryTest {
    std::string name;
    std::vector<TestCell> cells;
    double chiSquare = 0.0;
    int degreesOfFreedom = 0;
    std::optional<double> pValue;  // none when there are no spins
    bool reliable = false;
};

// Colour, high/low, even/odd, dozen, column, six-number group, row and wheel sector,
// in the order of kWheelClassifications, from the count of every number (indexed by
// the number); zero in its own cell where it is no value of the classification.
std::vector<CategoryTest> TestCategories(const std::array<std::int64_t, kPocketCount>& countByNumber);

}  // namespace orvanta
