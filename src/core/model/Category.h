// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/model/NumberTable.h"

namespace orvanta {

// A classification of the wheel numbers. Column numbers 1 to 8 are shared by the
// results grid's columns, the search grids and the colour rule.
// NOLINTBEGIN(readability-identifier-naming): the fields of a documented record keep
// the names that tools and tests outside the program know.
struct Category {
    int Column;
    std::string_view Name;    // as the analysis list names it
    std::string_view Header;  // results grid header
    std::string NumberInfo::*Field;
};
// NOLINTEND(readability-identifier-naming)

inline constexpr int kCategoryCount = 8;

// Ordered by column, so kCategories[c - 1].Column == c.
inline constexpr std::array<Category, kCategoryCount> kCategories = {{
    {1, "Number", "Num", &NumberInfo::Number},
    {2, "Color", "Color", &NumberInfo::Color},
    {3, "Even / Odd", "E/O", &NumberInfo::EvenOdd},
    {4, "High / Low", "H/L", &NumberInfo::HighLow},
    {5, "n 12", "N12", &NumberInfo::N12},
    {6, "Row", "Row", &NumberInfo::Row},
    {7, "Column", "Col", &NumberInfo::Column},
    {8, "n 6", "N6", &NumberInfo::N6},
}};

inline constexpr int kColorColumn = 2;

// The category whose name is the given text exactly, or nullptr.
constexpr const Category* FindCategory(std::string_view name) {
    for (const Category& category : kCategories) {
        if (category.Name == name) {
            return &category;
        }
    }
    return nullptr;
}

// The code of number n in the category of the given column, or "" for an unknown column.
inline std::string_view CodeOf(const NumberInfo& info, int column) {
    if (column < 1 || column > kCategoryCount) {
        return {};
    }
    return info.*kCategories[column - 1].Field;
}

}  // namespace orvanta
