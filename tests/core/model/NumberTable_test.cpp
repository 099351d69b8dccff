// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/model/NumberTable.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace orvanta {
namespace {

// Every record as the betting table and the wheel give it:
// Number Color HighLow EvenOdd N12 N6 Row Column Sector.
const char* const kExpectedRecords[kNumberCount] = {
    "0 - - - - - - - 1",   "1 R L O 1 1 1 1 4",   "2 B L E 1 1 1 2 2",   "3 R L O 1 1 1 3 6",
    "4 B L E 1 1 2 1 1",   "5 R L O 1 1 2 2 4",   "6 B L E 1 1 2 3 2",   "7 R L O 1 2 3 1 6",
    "8 B L E 1 2 3 2 3",   "9 R L O 1 2 3 3 5",   "10 B L E 1 2 4 1 4",  "11 B L O 1 2 4 2 3",
    "12 R L E 1 2 4 3 6",  "13 B L O 2 3 5 1 3",  "14 R L E 2 3 5 2 5",  "15 B L O 2 3 5 3 1",
    "16 R L E 2 3 6 1 4",  "17 B L O 2 3 6 2 2",  "18 R L E 2 3 6 3 5",  "19 R H O 2 4 7 1 1",
    "20 B H E 2 4 7 2 5",  "21 R H O 2 4 7 3 1",  "22 B H E 2 4 8 1 5",  "23 R H O 2 4 8 2 3",
    "24 B H E 2 4 8 3 4",  "25 R H O 3 5 9 1 2",  "26 B H E 3 5 9 2 6",  "27 R H O 3 5 9 3 2",
    "28 B H E 3 5 10 1 6", "29 B H O 3 5 10 2 6", "30 R H E 3 5 10 3 3", "31 B H O 3 6 11 1 5",
    "32 R H E 3 6 11 2 1", "33 B H O 3 6 11 3 4", "34 R H E 3 6 12 1 2", "35 B H O 3 6 12 2 6",
    "36 R H E 3 6 12 3 3",
};

std::string RecordText(const NumberInfo& r) {
    return r.Number + " " + r.Color + " " + r.HighLow + " " + r.EvenOdd + " " + r.N12 + " " + r.N6 + " " +
           r.Row + " " + r.Column + " " + r.Sector;
}

class NumberTableRecord : public ::testing::TestWithParam<int> {};

TEST_P(NumberTableRecord, ReadsBackAsTabled) {
    static const NumberTable kTable = BuildNumberTable();
    const int n = GetParam();
    EXPECT_EQ(RecordText(kTable[n]), kExpectedRecords[n]);
}

INSTANTIATE_TEST_SUITE_P(AllNumbers, NumberTableRecord, ::testing::Range(0, kNumberCount));

TEST(NumberTable, CodesAreStoredTrimmedAndShort) {
    const NumberTable table = BuildNumberTable();
    for (const NumberInfo& r : table) {
        for (const std::string* field :
             {&r.Number, &r.Color, &r.HighLow, &r.EvenOdd, &r.N12, &r.N6, &r.Row, &r.Column, &r.Sector}) {
            EXPECT_FALSE(field->empty()) << r.Number;
            EXPECT_LE(field->size(), 4u) << r.Number;
            EXPECT_EQ(field->find(' '), std::string::npos) << r.Number;
        }
    }
}

// The sectors are consecutive arcs of the wheel: walking the wheel clockwise from
// zero must meet sectors 1 to 6 in order, six pockets each but seven in the last.
TEST(NumberTable, SectorsAreArcsOfTheWheel) {
    const std::vector<int> wheel = {0, 32, 15, 19, 4, 21, 2,  25, 17, 34, 6,  27, 13, 36, 11, 30, 8, 23, 10,
                                    5, 24, 16, 33, 1, 20, 14, 31, 9,  22, 18, 29, 7,  28, 12, 35, 3, 26};
    const NumberTable table = BuildNumberTable();
    const std::vector<int> arcSizes = {6, 6, 6, 6, 6, 7};
    std::size_t pocket = 0;
    for (int sector = 1; sector <= 6; ++sector) {
        for (int i = 0; i < arcSizes[sector - 1]; ++i, ++pocket) {
            EXPECT_EQ(table[wheel[pocket]].Sector, std::to_string(sector)) << "pocket of " << wheel[pocket];
        }
    }
    EXPECT_EQ(pocket, wheel.size());
}

TEST(NumberTable, EighteenRedAndEighteenBlack) {
    const NumberTable table = BuildNumberTable();
    std::map<std::string, int> colours;
    for (const NumberInfo& r : table) {
        ++colours[r.Color];
    }
    EXPECT_EQ(colours["R"], 18);
    EXPECT_EQ(colours["B"], 18);
    EXPECT_EQ(colours["-"], 1);
}

TEST(NumberTable, WheelNumberRange) {
    EXPECT_FALSE(IsWheelNumber(-1));
    EXPECT_TRUE(IsWheelNumber(0));
    EXPECT_TRUE(IsWheelNumber(36));
    EXPECT_FALSE(IsWheelNumber(37));
}

}  // namespace
}  // namespace orvanta
