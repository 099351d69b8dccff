// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/colors/CellColors.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta {
namespace {

struct ColorRow {
    std::string code;
    int column;
    Rgb expected;
};

void PrintTo(const ColorRow& row, std::ostream* out) {
    *out << '"' << row.code << "\" in column " << row.column;
}

class BackColorRow : public ::testing::TestWithParam<ColorRow> {};

TEST_P(BackColorRow, GivesTheTabledColour) {
    EXPECT_EQ(GetBackColor(GetParam().code, GetParam().column), GetParam().expected);
}

// Zero's green applies in every column, whichever code stands for zero there.
INSTANTIATE_TEST_SUITE_P(Zero, BackColorRow,
                         ::testing::Values(ColorRow{"0", 1, {0, 192, 0}}, ColorRow{"-", 1, {0, 192, 0}},
                                           ColorRow{"-", 2, {0, 192, 0}}, ColorRow{"-", 3, {0, 192, 0}},
                                           ColorRow{"-", 4, {0, 192, 0}}, ColorRow{"-", 5, {0, 192, 0}},
                                           ColorRow{"-", 6, {0, 192, 0}}, ColorRow{"-", 7, {0, 192, 0}},
                                           ColorRow{"-", 8, {0, 192, 0}}, ColorRow{"0 ", 1, {0, 192, 0}},
                                           ColorRow{"0", 6, {0, 192, 0}}, ColorRow{"-", 0, {0, 192, 0}},
                                           ColorRow{" - ", 99, {0, 192, 0}}));

INSTANTIATE_TEST_SUITE_P(
    NumberGreys, BackColorRow,
    ::testing::Values(ColorRow{"1", 1, {254, 254, 254}}, ColorRow{"2", 1, {252, 252, 252}},
                      ColorRow{"3", 1, {251, 251, 251}}, ColorRow{"10", 1, {240, 240, 240}},
                      ColorRow{"35", 1, {203, 203, 203}}, ColorRow{"36", 1, {201, 201, 201}},
                      ColorRow{"7", 1, {245, 245, 245}}, ColorRow{"7 ", 1, {245, 245, 245}},
                      ColorRow{"  7  ", 1, {245, 245, 245}},
                      // Far beyond the wheel the grey bottoms out at black rather than wrapping.
                      ColorRow{"170", 1, {0, 0, 0}}, ColorRow{"999999", 1, {0, 0, 0}},
                      // A code with no leading digit has value 0 and no grey.
                      ColorRow{"R", 1, {0, 0, 0}}, ColorRow{"00", 1, {0, 0, 0}}));

INSTANTIATE_TEST_SUITE_P(
    CodeColumns, BackColorRow,
    ::testing::Values(ColorRow{"R", 2, {192, 0, 0}}, ColorRow{"B", 2, {1, 1, 1}},
                      ColorRow{"E", 3, {255, 224, 192}}, ColorRow{"O", 3, {255, 255, 192}},
                      ColorRow{"H", 4, {224, 224, 255}}, ColorRow{"L", 4, {255, 224, 224}},
                      ColorRow{"1", 5, {255, 255, 255}}, ColorRow{"2", 5, {224, 224, 255}},
                      ColorRow{"3", 5, {192, 192, 255}}, ColorRow{"1", 6, {255, 247, 247}},
                      ColorRow{"2", 6, {255, 239, 239}}, ColorRow{"3", 6, {255, 231, 231}},
                      ColorRow{"4", 6, {247, 255, 247}}, ColorRow{"5", 6, {239, 255, 239}},
                      ColorRow{"6", 6, {231, 255, 231}}, ColorRow{"7", 6, {247, 247, 255}},
                      ColorRow{"8", 6, {239, 239, 255}}, ColorRow{"9", 6, {231, 231, 255}},
                      ColorRow{"10", 6, {247, 255, 255}}, ColorRow{"11", 6, {239, 255, 255}},
                      ColorRow{"12", 6, {231, 255, 255}}, ColorRow{"1", 7, {255, 255, 255}},
                      ColorRow{"2", 7, {224, 255, 224}}, ColorRow{"3", 7, {192, 255, 192}},
                      ColorRow{"1", 8, {255, 255, 255}}, ColorRow{"2", 8, {255, 255, 247}},
                      ColorRow{"3", 8, {255, 255, 239}}, ColorRow{"4", 8, {255, 255, 231}},
                      ColorRow{"5", 8, {255, 255, 223}}, ColorRow{"6", 8, {255, 255, 215}},
                      // Stored codes carry blanks; they are compared trimmed.
                      ColorRow{"R ", 2, {192, 0, 0}}, ColorRow{"10  ", 6, {247, 255, 255}}));

// Codes are compared as whole texts, and a column knows only its own codes.
INSTANTIATE_TEST_SUITE_P(UnknownCodes, BackColorRow,
                         ::testing::Values(ColorRow{"R", 3, {0, 0, 0}}, ColorRow{"E", 2, {0, 0, 0}},
                                           ColorRow{"4", 5, {0, 0, 0}}, ColorRow{"13", 6, {0, 0, 0}},
                                           ColorRow{"1 0", 6, {0, 0, 0}}, ColorRow{"4", 7, {0, 0, 0}},
                                           ColorRow{"7", 8, {0, 0, 0}}, ColorRow{"r", 2, {0, 0, 0}},
                                           ColorRow{"", 2, {0, 0, 0}}, ColorRow{"R", 0, {0, 0, 0}},
                                           ColorRow{"1", 9, {0, 0, 0}}, ColorRow{"5", -1, {0, 0, 0}}));

TEST(TextColor, WhiteOnlyInTheColourColumn) {
    for (int column = 0; column <= 9; ++column) {
        const Rgb expected = column == 2 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
        EXPECT_EQ(GetTextColor(column), expected) << "column " << column;
    }
}

}  // namespace
}  // namespace orvanta
