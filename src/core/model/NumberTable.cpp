// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/model/NumberTable.h"

#include <algorithm>

namespace orvanta {

namespace {

constexpr std::array kRedNumbers = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};

// Six arcs of the wheel, taken clockwise from 0; kept as a fixed list rather than
// derived from the wheel order so that a glance at it checks it.
constexpr std::array<int, kNumberCount> kSectorOf = {
    1,                          // 0
    4, 2, 6, 1, 4, 2, 6, 3, 5,  // 1 .. 9
    4, 3, 6, 3, 5, 1, 4, 2, 5,  // 10 .. 18
    1, 5, 1, 5, 3, 4, 2, 6, 2,  // 19 .. 27
    6, 6, 3, 5, 1, 4, 2, 6, 3,  // 28 .. 36
};

}  // namespace

NumberTable BuildNumberTable() {
    NumberTable table;

    NumberInfo& zero = table[0];
    zero.Number = "0";
    zero.Color = zero.HighLow = zero.EvenOdd = zero.N12 = zero.N6 = zero.Row = zero.Column = "-";
    zero.Sector = "1";

    for (int n = 1; n <= kHighestNumber; ++n) {
        NumberInfo& info = table[n];
        info.Number = std::to_string(n);
        info.EvenOdd = n % 2 == 0 ? "E" : "O";
        info.HighLow = n > 18 ? "H" : "L";
        info.N12 = std::to_string((n - 1) / 12 + 1);
        info.N6 = std::to_string((n - 1) / 6 + 1);
        info.Row = std::to_string((n - 1) / 3 + 1);
        info.Column = std::to_string(n % 3 == 0 ? 3 : n % 3);
        info.Color = std::ranges::find(kRedNumbers, n) != kRedNumbers.end() ? "R" : "B";
    }

    for (int n = 1; n <= kHighestNumber; ++n) {
        table[n].Sector = std::to_string(kSectorOf[n]);
    }
    return table;
}

}  // namespace orvanta
