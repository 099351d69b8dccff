// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace orvanta {

// Letter case is folded for ASCII letters only, so that names and keywords
// compare the same way under every locale.
constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace orvanta
