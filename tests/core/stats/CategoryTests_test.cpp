// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/CategoryTests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/stats/BiasText.h"

namespace orvanta {
namespace {

// One spin of each of 1..36 and none of 0. Every classification of the betting
// table (high/low and even/odd as much as colour) then has a cell for zero with
// expected 36/37 and observed 0, and each of its v equal values 36/v observed
// against 36/(37 v) * 36 expected. Summing
// (o - e)^2 / e gives 36/37 from zero's cell and 1/37 from the rest: exactly 1.
// Leaving zero out would give 0 and hide that zero never came.
// The sectors hold zero themselves: sector 1 sees 5 against 216/37, sectors 2..5
// see 6 against 216/37 and sector 6 sees 7 against 252/37; sum(o^2/e) - 36 =
// 925/216 + 4 * 222/36 + 1813/252 - 36 = 0.14352. Only the sectors expect at
// least 5 hits in every cell, so only their test is reliable.
struct Expected {
    const char* name;
    std::size_t cells;
    double chiSquare;
    bool reliable;
};

TEST(CategoryTests, ZeroIsAccountedForInEveryClassification) {
    std::array<std::int64_t, kPocketCount> counts;
    counts.fill(1);
    counts[0] = 0;
    const std::vector<CategoryTest> tests = TestCategories(counts);
    const Expected expected[] = {{"Color", 3, 1.0, false},    {"High/Low", 3, 1.0, false},
                                 {"Even/Odd", 3, 1.0, false}, {"n 12", 4, 1.0, false},
                                 {"Column", 4, 1.0, false},   {"n 6", 7, 1.0, false},
                                 {"Row", 13, 1.0, false},     {"Wheel Sector", 6, 0.14352, true}};
    ASSERT_EQ(tests.size(), std::size(expected));
    for (std::size_t i = 0; i < tests.size(); ++i) {
        const CategoryTest& test = tests[i];
        EXPECT_EQ(test.name, expected[i].name);
        EXPECT_EQ(test.cells.size(), expected[i].cells) << test.name;
        EXPECT_EQ(test.degreesOfFreedom, static_cast<int>(expected[i].cells) - 1) << test.name;
        EXPECT_NEAR(test.chiSquare, expected[i].chiSquare, 0.00001) << test.name;
        EXPECT_EQ(test.reliable, expected[i].reliable) << test.name;
    }
    // Chi-squared with 2 degrees of freedom has P(X >= x) = exp(-x / 2): exp(-0.5) = 0.606531.
    EXPECT_NEAR(tests[0].pValue.value(), 0.606531, 0.000001);
    EXPECT_EQ(tests[0].cells[0].label, "0");
    EXPECT_EQ(tests[1].cells[2].label, "H");
    EXPECT_EQ(tests[2].cells[1].label, "E");
}

// The window says that on a fair wheel one of the classifications' tests, each
// judged on its own, falls below 0.05 about 1 time in kClassificationsOneIn.
TEST(CategoryTests, OneOfThemFallsBelowFivePercentAsOftenAsTheWindowSays) {
    std::mt19937 random(23);
    for (const int spins : {1'000, 3'700}) {
        constexpr int kHistories = 4'000;
        int any = 0;
        for (int h = 0; h < kHistories; ++h) {
            std::array<std::int64_t, kPocketCount> counts{};
            for (int i = 0; i < spins; ++i) {
                ++counts[random() % kPocketCount];
            }
            const auto tests = TestCategories(counts);
            any += std::any_of(tests.begin(), tests.end(),
                               [](const CategoryTest& t) { return *t.pValue < 0.05; });
        }
        EXPECT_NEAR(static_cast<double>(any) / kHistories, 1.0 / kClassificationsOneIn, 0.025) << spins;
    }
}

}  // namespace
}  // namespace orvanta
