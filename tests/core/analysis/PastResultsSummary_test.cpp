// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/analysis/PastResultsSummary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvanta {
namespace {

struct SummaryRow {
    const char* name;
    std::vector<int> spins;  // oldest first
    std::string category;
    int runLength;
    int depth;
    std::string said;
};

void PrintTo(const SummaryRow& row, std::ostream* out) {
    *out << row.name;
}

class SummaryTest : public ::testing::TestWithParam<SummaryRow> {};

TEST_P(SummaryTest, SaysWhatTheRunFound) {
    const SummaryRow& row = GetParam();
    const NumberTable table = BuildNumberTable();
    SpinModel model(table);
    for (int n : row.spins) {
        model.AddResult(n);
    }
    const PastResults results = SearchPastResults(model, row.category, row.runLength, row.depth);
    EXPECT_EQ(DescribePastResults(model, row.category, row.runLength, row.depth, results), row.said);
}

// 1 and 3 are red, 2 black; zero counts as 0 in every category but "Number".
INSTANTIATE_TEST_SUITE_P(
    Rows, SummaryTest,
    ::testing::Values(
        SummaryRow{"Found", {1, 0, 1, 2, 1}, "Color", 1, 0, "R: 2 earlier runs; next came B 1 \u00B7 0 1."},
        SummaryRow{
            "Mixed run, oldest first", {1, 2, 1, 1, 2}, "Color", 2, 0, "R B: 1 earlier run; next came R 1."},
        SummaryRow{"Same code in a row",
                   {2, 1, 3, 2, 1, 3},
                   "Color",
                   2,
                   0,
                   "R, 2 in a row: 1 earlier run; next came B 1."},
        SummaryRow{"Never before",
                   {1, 2, 3, 4, 5, 6},
                   "Number",
                   3,
                   0,
                   "4 5 6: no earlier run of this length in 6 spins."},
        SummaryRow{"Second list",
                   {1, 2, 1, 2, 1, 2, 1},
                   "Color",
                   1,
                   1,
                   "R: 3 earlier runs; next came B 3. List 2: B 1."},
        SummaryRow{"Too few spins",
                   {1, 2},
                   "Color",
                   5,
                   0,
                   "A run of 5 needs more than 2 spins to have come before: nothing to search."},
        SummaryRow{"No category", {1, 2, 3}, "colour", 1, 0, ""}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
        return name;
    });

TEST(ListTotalsTest, MostFrequentFirstTiesInTheOrderTheyCame) {
    EXPECT_EQ(ListTotals({"B ", "R ", "- ", "R ", "B ", "R "}), "R 3 \u00B7 B 2 \u00B7 0 1");
    EXPECT_EQ(ListTotals({}), "");
}

}  // namespace
}  // namespace orvanta
