// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/model/SpinList.h"

#include <algorithm>

#include "core/model/NumberTable.h"

namespace orvanta {
namespace {

constexpr std::string_view kSeparators = " ,;\t\r\n";
constexpr std::size_t kShownLength = 20;

// A wheel number as the results grid writes it: one or two digits, no sign, no point.
bool ReadWheelNumber(std::string_view entry, int& n) {
    if (entry.empty() || entry.size() > 2 ||
        !std::all_of(entry.begin(), entry.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    n = entry.size() == 1 ? entry[0] - '0' : (entry[0] - '0') * 10 + (entry[1] - '0');
    return IsWheelNumber(n);
}

}  // namespace

SpinList ParseSpinList(std::string_view text) {
    SpinList list;
    int position = 0;
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(kSeparators, at);
        if (at == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(kSeparators, at), text.size());
        const std::string_view entry = text.substr(at, end - at);
        ++position;
        int n = 0;
        if (!ReadWheelNumber(entry, n)) {
            list.spins.clear();
            list.badEntry = std::string(entry.substr(0, kShownLength));
            list.badPosition = position;
            return list;
        }
        list.spins.push_back(n);
        at = end;
    }
    return list;
}

}  // namespace orvanta
