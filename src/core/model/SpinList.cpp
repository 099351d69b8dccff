// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/model/SpinList.h"

#include <algorithm>

#include "core/model/NumberTable.h"

namespace orvanta {
namespace {

constexpr std::string_view kSeparators = " ,;\t\r\n";
constexpr std::size_t kShownLength = 20;

// The first count characters of UTF-8 text: a character's continuation bytes
// (10xxxxxx) stay with it.
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size(); ++end) {
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && characters++ == count) {
            break;
        }
    }
    return text.substr(0, end);
}

}  // namespace

std::optional<int> ReadWheelNumber(std::string_view text) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), digit) ||
        (text.size() == 2 && text[0] == '0')) {
        return std::nullopt;
    }
    const int n = text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    return IsWheelNumber(n) ? std::optional<int>(n) : std::nullopt;
}

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
        const std::optional<int> n = ReadWheelNumber(entry);
        if (!n) {
            list.spins.clear();
            list.badEntry = std::string(FirstCharacters(entry, kShownLength));
            list.badPosition = position;
            return list;
        }
        list.spins.push_back(*n);
        at = end;
    }
    return list;
}

}  // namespace orvanta
