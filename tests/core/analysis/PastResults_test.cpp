// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/analysis/PastResults.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvanta {
namespace {

using Texts = std::vector<std::string>;

struct SearchRow {
    const char* name;
    std::vector<int> spins;  // oldest first
    std::string category;
    int runLength;
    int depth;
    Texts list1;
    Texts list2;
};

void PrintTo(const SearchRow& row, std::ostream* out) {
    *out << row.name;
}

class SearchRowTest : public ::testing::TestWithParam<SearchRow> {};

TEST_P(SearchRowTest, FindsTheFollowersOfTheLatestRun) {
    const SearchRow& row = GetParam();
    const NumberTable table = BuildNumberTable();
    SpinModel model(table);
    for (int n : row.spins) {
        model.AddResult(n);
    }
    const PastResults results = SearchPastResults(model, row.category, row.runLength, row.depth);
    EXPECT_EQ(results.list1, row.list1);
    EXPECT_EQ(results.list2, row.list2);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SearchRowTest,
    ::testing::Values(SearchRow{"NoSpins", {}, "Color", 5, 3, {}, {}},
                      SearchRow{"TooFewSpins", {1, 2, 3, 4, 5}, "Color", 5, 0, {}, {}},
                      // The pattern is 12, 7 newest first; the windows ending at slots 6 and 2 match.
                      SearchRow{
                          "NumberPairs", {7, 12, 7, 30, 7, 12, 5, 7, 12}, "Number", 2, 0, {"5 ", "7 "}, {}},
                      // The recursive pass looks for "5 " at list slots 2 and 3, never at the last one.
                      SearchRow{"OneRecursivePass",
                                {3, 5, 3, 5, 3, 8, 3, 5, 3},
                                "Number",
                                1,
                                1,
                                {"5 ", "8 ", "5 ", "5 "},
                                {"8 "}},
                      SearchRow{"PassOverOneEntryFindsNothing",
                                {3, 5, 3, 5, 3, 8, 3, 5, 3},
                                "Number",
                                1,
                                2,
                                {"5 ", "8 ", "5 ", "5 "},
                                {}},
                      SearchRow{"ColorPattern", {1, 2, 3, 4, 5}, "Color", 2, 0, {"B "}, {}},
                      // The window ending at the newest-but-one spin counts; its follower is the newest spin.
                      SearchRow{"NewestButOneWindow", {9, 9}, "Number", 1, 0, {"9 "}, {}},
                      // Zero is its own value in every category.
                      SearchRow{"ZeroMatchesOnlyZero", {0, 2, 1, 0}, "Color", 1, 0, {"B "}, {}},
                      SearchRow{"ZeroCodeIsCollected", {4, 0, 2, 0, 6}, "Even / Odd", 1, 0, {"- ", "- "}, {}},
                      SearchRow{"TwoDigitCodes", {34, 1, 35, 36, 2, 34}, "Row", 1, 0, {"1 ", "12", "1 "}, {}},
                      SearchRow{"HighLow", {19, 1, 20, 2, 36}, "High / Low", 1, 0, {"L ", "L "}, {}},
                      SearchRow{"Dozen", {1, 13, 2, 25, 3}, "n 12", 1, 0, {"3 ", "2 "}, {}},
                      SearchRow{"SixGroup", {7, 1, 8, 31}, "n 6", 1, 0, {}, {}},
                      SearchRow{"Column", {1, 2, 4, 3, 7}, "Column", 1, 0, {"3 ", "2 "}, {}},
                      // A text that names no category compares nothing: every window matches, entries blank.
                      SearchRow{"UnknownCategory", {1, 2, 3, 4}, "colour", 2, 1, {"  ", "  "}, {}},
                      SearchRow{"UnknownCategoryRecursion",
                                {1, 2, 3, 4, 5, 6},
                                "",
                                1,
                                1,
                                {"  ", "  ", "  ", "  ", "  "},
                                {"  ", "  ", "  "}},
                      SearchRow{"DepthZeroLeavesListTwoEmpty",
                                {5, 5, 5, 5, 5, 5},
                                "Number",
                                1,
                                0,
                                {"5 ", "5 ", "5 ", "5 ", "5 "},
                                {}}));

// More than 1024 matches are all kept.
TEST(SearchPastResults, ListsHaveNoLengthLimit) {
    const NumberTable table = BuildNumberTable();
    SpinModel model(table);
    for (int i = 0; i < 3000; ++i) {
        model.AddResult(i % 2 == 0 ? 1 : 3);  // all red
    }
    const PastResults results = SearchPastResults(model, "Color", 1, 1);
    EXPECT_EQ(results.list1.size(), 2999u);
    EXPECT_EQ(results.list2.size(), 2997u);
    EXPECT_EQ(results.list1.back(), "R ");
}

TEST(SearchPastResults, RunLengthBelowOneFindsNothing) {
    const NumberTable table = BuildNumberTable();
    SpinModel model(table);
    for (int n : {1, 1, 1}) {
        model.AddResult(n);
    }
    EXPECT_TRUE(SearchPastResults(model, "Number", 0, 2).list1.empty());
    EXPECT_TRUE(SearchPastResults(model, "Number", -3, 2).list1.empty());
}

// The category is the exact text: a near miss is no category, and the user is told why.
TEST(UnknownCategoryNote, NamesTheTextThatIsNoCategory) {
    EXPECT_EQ(UnknownCategoryNote("Color"), "");
    EXPECT_EQ(UnknownCategoryNote("n 6"), "");
    EXPECT_EQ(UnknownCategoryNote("numbers"),
              "'numbers' is not a category: every run matched, no code was collected");
    EXPECT_EQ(UnknownCategoryNote("color"),
              "'color' is not a category: every run matched, no code was collected");
    EXPECT_EQ(UnknownCategoryNote(""), "'' is not a category: every run matched, no code was collected");
}

}  // namespace
}  // namespace orvanta
