// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// Spins written as text, as a user pastes them: wheel numbers separated by blanks,
// commas, semicolons (a spreadsheet in some locales), tabs or line ends.
struct SpinList {
    std::vector<int> spins;  // in the order written; empty when anything was wrong
    std::string badEntry;    // the first entry that is not a wheel number, cut to 20 characters
    int badPosition = 0;     // its place in the list, 1-based; 0 when every entry is good

    bool ok() const { return badPosition == 0; }
};

// Checks every entry before it takes any, so that one bad entry takes nothing.
SpinList ParseSpinList(std::string_view text);

}  // namespace orvanta
