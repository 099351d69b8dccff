// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/colors/CellColors.h"

#include <algorithm>
#include <array>

#include "core/model/Category.h"
#include "core/model/CodeText.h"

namespace orvanta {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kZeroGreen{0, 192, 0};

struct CodeColor {
    int column;
    std::string_view code;
    Rgb color;
};

constexpr auto kCodeColors = std::to_array<CodeColor>({
    {2, "R", {192, 0, 0}},      {2, "B", {1, 1, 1}},        {3, "E", {255, 224, 192}},
    {3, "O", {255, 255, 192}},  {4, "H", {224, 224, 255}},  {4, "L", {255, 224, 224}},
    {5, "1", {255, 255, 255}},  {5, "2", {224, 224, 255}},  {5, "3", {192, 192, 255}},
    {6, "1", {255, 247, 247}},  {6, "2", {255, 239, 239}},  {6, "3", {255, 231, 231}},
    {6, "4", {247, 255, 247}},  {6, "5", {239, 255, 239}},  {6, "6", {231, 255, 231}},
    {6, "7", {247, 247, 255}},  {6, "8", {239, 239, 255}},  {6, "9", {231, 231, 255}},
    {6, "10", {247, 255, 255}}, {6, "11", {239, 255, 255}}, {6, "12", {231, 255, 255}},
    {7, "1", {255, 255, 255}},  {7, "2", {224, 255, 224}},  {7, "3", {192, 255, 192}},
    {8, "1", {255, 255, 255}},  {8, "2", {255, 255, 247}},  {8, "3", {255, 255, 239}},
    {8, "4", {255, 255, 231}},  {8, "5", {255, 255, 223}},  {8, "6", {255, 255, 215}},
});

// Numbers darken as they grow; clamped so that an out-of-range code stays black
// instead of wrapping round to a light grey.
Rgb NumberGrey(int value) {
    const int g = std::clamp(255 - (value * 3) / 2, 0, 255);
    const auto level = static_cast<std::uint8_t>(g);
    return {level, level, level};
}

}  // namespace

Rgb GetBackColor(std::string_view code, int column) {
    Rgb result = kBlack;
    const int value = CodeValue(code);
    const std::string_view trimmed = TrimBlanks(code);

    if (trimmed == "-" || trimmed == "0") {
        result = kZeroGreen;
    }
    if (column == 1 && value > 0) {
        result = NumberGrey(value);
    }
    if (column >= 2 && column <= kCategoryCount) {
        const auto it = std::ranges::find_if(
            kCodeColors, [&](const CodeColor& row) { return row.column == column && row.code == trimmed; });
        if (it != kCodeColors.end()) {
            result = it->color;
        }
    }
    return result;
}

Rgb GetTextColor(int column) {
    return column == kColorColumn ? kWhite : kBlack;
}

}  // namespace orvanta
