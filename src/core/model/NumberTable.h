// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

namespace orvanta {

inline constexpr int kLowestNumber = 0;
inline constexpr int kHighestNumber = 36;
inline constexpr int kNumberCount = kHighestNumber + 1;

// The classification codes of one wheel number, trimmed ("-" where the number
// has no value in a classification, which happens only for 0).
// NOLINTBEGIN(readability-identifier-naming): the fields of a documented record keep
// the names that tools and tests outside the program know.
struct NumberInfo {
    std::string Number;
    std::string Color;
    std::string HighLow;
    std::string EvenOdd;
    std::string N12;
    std::string N6;
    std::string Row;
    std::string Column;
    std::string Sector;
};
// NOLINTEND(readability-identifier-naming)

// Indexed by the wheel number 0 to 36.
using NumberTable = std::array<NumberInfo, kNumberCount>;

NumberTable BuildNumberTable();

constexpr bool IsWheelNumber(int n) {
    return n >= kLowestNumber && n <= kHighestNumber;
}

}  // namespace orvanta
