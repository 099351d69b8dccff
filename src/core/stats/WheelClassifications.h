// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/stats/WheelTables.h"

// The classifications the bias statistics test, as cells of pockets: every number
// falls in exactly one cell of each. Zero is no value of the betting table's
// classifications, so those carry a cell of its own for it (cell 0): leaving zero
// out would make a fair wheel look short of every value.

namespace orvanta {

inline constexpr int kMostCells = 13;  // the rows: twelve and zero's

struct WheelClassification {
    std::string_view name;
    int cellCount = 0;
    bool zeroHasOwnCell = false;
    std::string_view letters;  // the values' letters where they are not shown as numbers
    std::array<std::int8_t, kPocketCount> cellOf{};
    std::array<int, kMostCells> pockets{};  // per cell
};

namespace detail {

constexpr int ColourOf(int n) {
    return n == 0 ? 0 : (IsRedNumber(n) ? 1 : 2);
}
constexpr int HighLowOf(int n) {
    return n == 0 ? 0 : (n <= 18 ? 1 : 2);
}
constexpr int EvenOddOf(int n) {
    return n == 0 ? 0 : (n % 2 == 0 ? 1 : 2);
}

// Values run 1..values; cell 0 is zero's where it has one of its own.
constexpr WheelClassification Classify(std::string_view name, int values, bool zeroHasOwnCell,
                                       std::string_view letters, int (*valueOf)(int)) {
    WheelClassification classification{name, values + (zeroHasOwnCell ? 1 : 0), zeroHasOwnCell, letters};
    for (int n = 0; n < kPocketCount; ++n) {
        const int cell = valueOf(n) - (zeroHasOwnCell ? 0 : 1);
        classification.cellOf[static_cast<std::size_t>(n)] = static_cast<std::int8_t>(cell);
        ++classification.pockets[static_cast<std::size_t>(cell)];
    }
    return classification;
}

}  // namespace detail

// In the order the window lists them: the even-money splits first, the wheel's own sectors last.
inline constexpr std::array<WheelClassification, 8> kWheelClassifications = {
    detail::Classify("Color", 2, true, "RB", &detail::ColourOf),
    detail::Classify("High/Low", 2, true, "LH", &detail::HighLowOf),
    detail::Classify("Even/Odd", 2, true, "EO", &detail::EvenOddOf),
    detail::Classify("n 12", 3, true, "", &DozenOf),
    detail::Classify("Column", 3, true, "", &ColumnOf),
    detail::Classify("n 6", 6, true, "", &SixGroupOf),
    detail::Classify("Row", 12, true, "", &RowOf),
    detail::Classify("Wheel Sector", 6, false, "", &SectorOf),
};

// Hits of each cell, from the count of every number (indexed by the number).
inline std::array<std::int64_t, kMostCells> CellCountsOf(
    const WheelClassification& classification, const std::array<std::int64_t, kPocketCount>& countByNumber) {
    std::array<std::int64_t, kMostCells> cells{};
    for (std::size_t n = 0; n < countByNumber.size(); ++n) {
        cells[static_cast<std::size_t>(classification.cellOf[n])] += countByNumber[n];
    }
    return cells;
}

// The cell furthest above its fair share in standard deviations of its count; -1
// with no spins.
inline int CellFurthestAbove(const WheelClassification& classification,
                             const std::array<std::int64_t, kMostCells>& cells) {
    double spins = 0.0;
    for (const std::int64_t count : cells) {
        spins += static_cast<double>(count);
    }
    int furthest = -1;
    double highest = 0.0;
    for (int cell = 0; cell < classification.cellCount && spins > 0; ++cell) {
        const double expected = spins * classification.pockets[static_cast<std::size_t>(cell)] / kPocketCount;
        const double z =
            (static_cast<double>(cells[static_cast<std::size_t>(cell)]) - expected) / std::sqrt(expected);
        if (furthest < 0 || z > highest) {
            highest = z;
            furthest = cell;
        }
    }
    return furthest;
}

// The cell's value as the window writes it: "R", "2", or "0" for zero's own cell.
inline std::string CellLabel(const WheelClassification& classification, int cell) {
    const int value = cell + (classification.zeroHasOwnCell ? 0 : 1);
    if (value == 0) {
        return "0";
    }
    if (!classification.letters.empty()) {
        return std::string(1, classification.letters[static_cast<std::size_t>(value - 1)]);
    }
    return std::to_string(value);
}

}  // namespace orvanta
