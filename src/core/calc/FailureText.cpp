// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/FailureText.h"

namespace orvanta {

namespace {

constexpr std::size_t kMaxNamedBytes = 40;

}  // namespace

std::string Shortened(std::string_view text) {
    if (text.size() <= kMaxNamedBytes) {
        return std::string(text);
    }
    std::size_t cut = kMaxNamedBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;  // not inside a UTF-8 sequence
    }
    return std::string(text.substr(0, cut)) + "...";
}

std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted += Shortened(text);
    quoted += '\'';
    return quoted;
}

std::string WithThousands(unsigned long long count) {
    const std::string digits = std::to_string(count);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text.push_back(',');
        }
        text.push_back(digits[i]);
    }
    return text;
}

}  // namespace orvanta
