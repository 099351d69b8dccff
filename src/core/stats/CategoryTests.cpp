// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/CategoryTests.h"

#include <numeric>
#include <string_view>

#include "core/stats/PearsonTest.h"

namespace orvanta {
namespace {

struct Classification {
    std::string_view name;
    int values;                // 1 .. values; 0 stands for zero's own cell where it has one
    bool zeroHasOwnCell;       // zero is no value of this classification
    std::string_view letters;  // the values' letters where they are not shown as numbers
    int (*valueOf)(int n);
};

constexpr int ColourOf(int n) {
    if (n == 0) {
        return 0;
    }
    return IsRedNumber(n) ? 1 : 2;
}

constexpr std::array<Classification, 6> kClassifications = {{
    {"Color", 2, true, "RB", &ColourOf},
    {"n 12", 3, true, "", &DozenOf},
    {"Column", 3, true, "", &ColumnOf},
    {"n 6", 6, true, "", &SixGroupOf},
    {"Row", 12, true, "", &RowOf},
    {"Wheel Sector", 6, false, "", &SectorOf},
}};

std::string CellLabel(const Classification& classification, int value) {
    if (value == 0) {
        return "0";
    }
    if (!classification.letters.empty()) {
        return std::string(1, classification.letters[static_cast<std::size_t>(value - 1)]);
    }
    return std::to_string(value);
}

CategoryTest TestClassification(const Classification& classification,
                                const std::array<std::int64_t, kPocketCount>& countByNumber,
                                std::int64_t spins) {
    const int firstValue = classification.zeroHasOwnCell ? 0 : 1;
    const std::size_t cellCount = static_cast<std::size_t>(classification.values - firstValue + 1);
    std::vector<std::int64_t> observed(cellCount, 0);
    std::vector<int> pockets(cellCount, 0);
    for (int n = 0; n < kPocketCount; ++n) {
        const auto cell = static_cast<std::size_t>(classification.valueOf(n) - firstValue);
        observed[cell] += countByNumber[static_cast<std::size_t>(n)];
        ++pockets[cell];
    }
    std::vector<double> expected(cellCount);
    CategoryTest test;
    test.name = classification.name;
    for (std::size_t cell = 0; cell < cellCount; ++cell) {
        expected[cell] = static_cast<double>(spins) * pockets[cell] / kPocketCount;
        test.cells.push_back(
            {CellLabel(classification, static_cast<int>(cell) + firstValue), observed[cell], expected[cell]});
    }
    const PearsonTest pearson = RunPearsonTest(observed, expected);
    test.chiSquare = pearson.chiSquare;
    test.degreesOfFreedom = pearson.degreesOfFreedom;
    test.pValue = pearson.pValue;
    test.reliable = pearson.reliable;
    return test;
}

}  // namespace

std::vector<CategoryTest> TestCategories(const std::array<std::int64_t, kPocketCount>& countByNumber) {
    const std::int64_t spins = std::accumulate(countByNumber.begin(), countByNumber.end(), std::int64_t{0});
    std::vector<CategoryTest> tests;
    tests.reserve(kClassifications.size());
    for (const Classification& classification : kClassifications) {
        tests.push_back(TestClassification(classification, countByNumber, spins));
    }
    return tests;
}

}  // namespace orvanta
