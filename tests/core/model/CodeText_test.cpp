// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/model/CodeText.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta {
namespace {

struct ValueRow {
    std::string code;
    int value;
};

class CodeValueRow : public ::testing::TestWithParam<ValueRow> {};

TEST_P(CodeValueRow, LeadingDigitsGiveTheValue) {
    EXPECT_EQ(CodeValue(GetParam().code), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Codes, CodeValueRow,
                         ::testing::Values(ValueRow{"12", 12}, ValueRow{"7 ", 7}, ValueRow{"  7", 7},
                                           ValueRow{"36", 36}, ValueRow{"0", 0}, ValueRow{"R", 0},
                                           ValueRow{"-", 0}, ValueRow{"", 0}, ValueRow{"3x", 3},
                                           ValueRow{"1 2", 1},
                                           ValueRow{"99999999999999999999", 1'000'000'000}));

TEST(TrimBlanks, RemovesBlanksOnBothSidesOnly) {
    EXPECT_EQ(TrimBlanks("  7  "), "7");
    EXPECT_EQ(TrimBlanks("1 2"), "1 2");
    EXPECT_EQ(TrimBlanks("    "), "");
    EXPECT_EQ(TrimBlanks(""), "");
}

}  // namespace
}  // namespace orvanta
