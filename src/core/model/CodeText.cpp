// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/model/CodeText.h"

namespace orvanta {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

int CodeValue(std::string_view code) {
    constexpr int kLimit = 1'000'000'000;
    std::size_t i = 0;
    while (i < code.size() && code[i] == ' ') {
        ++i;
    }
    int value = 0;
    for (; i < code.size() && code[i] >= '0' && code[i] <= '9'; ++i) {
        if (value >= kLimit / 10) {
            return kLimit;
        }
        value = value * 10 + (code[i] - '0');
    }
    return value;
}

}  // namespace orvanta
