// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/CategoryTests.h"

#include <numeric>

#include "core/stats/PearsonTest.h"
#include "core/stats/WheelClassifications.h"

namespace orvanta {
namespace {

CategoryTest TestClassification(const WheelClassification& classification,
                                const std::array<std::int64_t, kPocketCount>& countByNumber,
                                std::int64_t spins) {
    const auto cellCount = static_cast<std::size_t>(classification.cellCount);
    const auto cells = CellCountsOf(classification, countByNumber);
    const std::vector<std::int64_t> observed(cells.begin(), cells.begin() + classification.cellCount);
    std::vector<double> expected(cellCount);
    CategoryTest test;
    test.name = classification.name;
    for (std::size_t cell = 0; cell < cellCount; ++cell) {
        expected[cell] = static_cast<double>(spins) * classification.pockets[cell] / kPocketCount;
        test.cells.push_back(
            {CellLabel(classification, static_cast<int>(cell)), observed[cell], expected[cell]});
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
    tests.reserve(kWheelClassifications.size());
    for (const WheelClassification& classification : kWheelClassifications) {
        tests.push_back(TestClassification(classification, countByNumber, spins));
    }
    return tests;
}

}  // namespace orvanta
