// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/FailureText.h"

namespace orvanta {

namespace {

constexpr std::size_t kMaxQuotedBytes = 40;

}  // namespace

std::string Quoted(std::string_view text) {
    std::string quoted = "'";
    if (text.size() <= kMaxQuotedBytes) {
        quoted.append(text);
    } else {
        std::size_t cut = kMaxQuotedBytes;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
            --cut;  // not inside a UTF-8 sequence
        }
        quoted.append(text.substr(0, cut));
        quoted.append("...");
    }
    quoted.push_back('\'');
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
