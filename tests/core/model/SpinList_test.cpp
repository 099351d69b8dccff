// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/model/SpinList.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

struct SpinListRow {
    const char* text;
    std::vector<int> spins;
    const char* badEntry;
    int badPosition;
};

class SpinListTest : public ::testing::TestWithParam<SpinListRow> {};

TEST_P(SpinListTest, TakesEveryEntryOrNone) {
    const SpinList list = ParseSpinList(GetParam().text);
    EXPECT_EQ(list.spins, GetParam().spins);
    EXPECT_EQ(list.badEntry, GetParam().badEntry);
    EXPECT_EQ(list.badPosition, GetParam().badPosition);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SpinListTest,
    ::testing::Values(SpinListRow{"17", {17}, "", 0}, SpinListRow{"", {}, "", 0},
                      SpinListRow{" \r\n\t, ", {}, "", 0},
                      SpinListRow{"0 36,5\t12\r\n7\n\n8,,9", {0, 36, 5, 12, 7, 8, 9}, "", 0},
                      SpinListRow{"7 \r\n17\r\n0 \r\n", {7, 17, 0}, "", 0},  // a saved results file
                      SpinListRow{"17; 32; 5", {17, 32, 5}, "", 0},
                      // No wheel number has a leading zero.
                      SpinListRow{"5 05", {}, "05", 2}, SpinListRow{"00", {}, "00", 1},
                      SpinListRow{"1 2 37 4", {}, "37", 3}, SpinListRow{"1 -2", {}, "-2", 2},
                      SpinListRow{"3.0", {}, "3.0", 1}, SpinListRow{"100", {}, "100", 1},
                      SpinListRow{"5 red", {}, "red", 2},
                      SpinListRow{"1 123456789012345678901234", {}, "12345678901234567890", 2},
                      // Cut after 20 characters, never inside one.
                      SpinListRow{"1 éééééééééééééééééééééé", {}, "éééééééééééééééééééé", 2}));

}  // namespace
}  // namespace orvanta
