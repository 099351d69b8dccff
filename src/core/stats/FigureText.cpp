// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/FigureText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace orvanta {
namespace {

constexpr double kSmallestShownProbability = 1e-6;

template <typename... Format>
std::string ToChars(double value, Format... format) {
    std::array<char, 64> buffer;
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string("?");
}

std::string Grouped(std::string_view digits) {
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

}  // namespace

std::string FormatCount(std::int64_t count) {
    const std::string digits = std::to_string(count);
    if (count >= 0) {
        return Grouped(digits);
    }
    std::string text = "-";
    text += Grouped(std::string_view(digits).substr(1));
    return text;
}

std::string FormatFixed(double value, int decimals) {
    // "-0.0" reads as a sign that means nothing.
    std::string text = ToChars(value, std::chars_format::fixed, decimals);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string FormatGrouped(double value, int decimals) {
    const std::string fixed = FormatFixed(value, decimals);
    const std::size_t start = fixed.front() == '-' ? 1 : 0;
    const std::size_t point = std::min(fixed.find('.'), fixed.size());
    return fixed.substr(0, start) + Grouped(std::string_view(fixed).substr(start, point - start)) +
           fixed.substr(point);
}

std::string FormatEvidence(double eValue) {
    if (!(eValue < 1e6)) {
        return "over 1,000,000";
    }
    if (eValue >= 9.95) {
        return FormatGrouped(std::round(eValue), 0);
    }
    if (eValue >= 0.995) {
        return FormatFixed(eValue, 1);
    }
    return FormatProbability(eValue);
}

std::string FormatSigned(double value) {
    std::string text = FormatFixed(value, 2);
    return text.front() == '-' ? text : "+" + text;
}

std::string FormatProbability(double p) {
    // Written so that a NaN takes this branch too, rather than reach log10.
    if (!(p >= kSmallestShownProbability)) {
        return "< 0.000001";
    }
    const int leading = static_cast<int>(std::floor(std::log10(p)));
    int decimals = std::max(1, 1 - leading);
    // Rounding can carry into the next digit (0.0996 -> 0.100): one decimal fewer then.
    const double scale = std::pow(10.0, decimals);
    if (std::round(p * scale) / scale >= std::pow(10.0, leading + 1) && decimals > 1) {
        --decimals;
    }
    return FormatFixed(p, decimals);
}

std::string FormatExact(double value) {
    return ToChars(value);
}

}  // namespace orvanta
