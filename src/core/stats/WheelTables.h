// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

// The wheel's own small tables, kept beside the statistics so that they need
// nothing but the spun numbers.

namespace orvanta {

inline constexpr int kPocketCount = 37;

// The pockets clockwise from zero.
inline constexpr std::array<int, kPocketCount> kWheelOrder = {
    0, 32, 15, 19, 4, 21, 2,  25, 17, 34, 6,  27, 13, 36, 11, 30, 8, 23, 10,
    5, 24, 16, 33, 1, 20, 14, 31, 9,  22, 18, 29, 7,  28, 12, 35, 3, 26};

// Where number n sits in kWheelOrder.
inline constexpr std::array<int, kPocketCount> kWheelPosition = [] {
    std::array<int, kPocketCount> position{};
    for (std::size_t i = 0; i < kWheelOrder.size(); ++i) {
        position[static_cast<std::size_t>(kWheelOrder[i])] = static_cast<int>(i);
    }
    return position;
}();

// The red numbers are a list, not a rule of parity (10 and 11 are both black).
constexpr bool IsRedNumber(int n) {
    constexpr std::array<int, 18> kRed = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (int red : kRed) {
        if (red == n) {
            return true;
        }
    }
    return false;
}

// The six sectors are arcs of the wheel from zero: five of six pockets and a last one of seven.
inline constexpr std::array<int, 6> kSectorPockets = {6, 6, 6, 6, 6, 7};

// The classifications of the betting table, 1-based; zero belongs to none of them and gets 0.
constexpr int DozenOf(int n) {
    return n == 0 ? 0 : (n - 1) / 12 + 1;
}
constexpr int ColumnOf(int n) {
    return n == 0 ? 0 : (n - 1) % 3 + 1;
}
constexpr int SixGroupOf(int n) {
    return n == 0 ? 0 : (n - 1) / 6 + 1;
}
constexpr int RowOf(int n) {
    return n == 0 ? 0 : (n - 1) / 3 + 1;
}

// Sector 1 to 6 of the arc that holds number n; zero opens sector 1.
constexpr int SectorOf(int n) {
    int position = kWheelPosition[static_cast<std::size_t>(n)];
    int sector = 1;
    for (int pockets : kSectorPockets) {
        if (position < pockets) {
            return sector;
        }
        position -= pockets;
        ++sector;
    }
    return sector;
}

}  // namespace orvanta
