// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace orvanta {

// A theme is a table picture, a page background and the name shown over the table.
struct Theme {
    std::string_view caption;
    int tablePicture;
    int backgroundPicture;  // 0: the theme has no background of its own
};

// Indexed by theme number - 1. Only themes 1 to 4 can be chosen, and 1 turns into 2.
inline constexpr std::array<Theme, 8> kThemeTable = {{
    {"Table: Default", 1, 1},
    {"Table: Style", 2, 2},
    {"Table: Flames", 3, 3},
    {"Table: Blacklight Night", 4, 4},
    {"Table: Wood Inlay", 5, 5},
    {"Table: Stone", 6, 0},
    {"Table: Tin Toy", 7, 0},
    {"Table: Needle Point", 8, 0},
}};

inline constexpr int kFirstSelectableTheme = 1;
inline constexpr int kLastSelectableTheme = 4;
inline constexpr int kStartingTheme = 2;

}  // namespace orvanta
