// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/calc/EvaluationAborted.h"
#include "core/calc/FailureText.h"

namespace orvanta {

namespace {

constexpr int kSignificantDigits = 15;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// Decimal exponent of the leading significant digit of a well-formed mantissa
// and exponent; used only to tell an overflow from an underflow.
long LeadingExponent(std::string_view mantissa, long exponent) {
    const std::size_t point = mantissa.find('.');
    const long integerDigits = static_cast<long>(point == std::string_view::npos ? mantissa.size() : point);
    long position = 0;
    for (char c : mantissa) {
        if (c == '.') {
            continue;
        }
        if (c != '0') {
            break;
        }
        ++position;
    }
    return exponent + integerDigits - 1 - position;
}

}  // namespace

std::string FormatNumber(double value) {
    if (!std::isfinite(value)) {
        throw EvaluationAborted("a result beyond the largest number");
    }
    if (value == 0.0) {
        return "0";
    }

    // d.dddddddddddddde±x, correctly rounded and locale-independent.
    std::array<char, 40> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t e = scientific.find('e');

    std::string digits;
    digits.reserve(kSignificantDigits);
    for (char c : scientific.substr(0, e)) {
        if (c != '.') {
            digits.push_back(c);
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int exponent = 0;
    for (char c : scientific.substr(e + 2)) {
        exponent = exponent * 10 + (c - '0');
    }
    if (scientific[e + 1] == '-') {
        exponent = -exponent;
    }

    std::string text;
    if (value < 0) {
        text.push_back('-');
    }
    if (exponent < -4 || exponent >= kSignificantDigits) {
        text.push_back(digits[0]);
        if (digits.size() > 1) {
            text.push_back('.');
            text.append(digits, 1);
        }
        text.push_back('E');
        text.push_back(exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            text.push_back('0');
        }
        text.append(std::to_string(magnitude));
    } else if (exponent < 0) {
        text.push_back('.');
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(digits);
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text.append(digits);
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text.push_back('.');
            text.append(digits, integerDigits);
        }
    }
    return text;
}

double ParseNumber(std::string_view text) {
    text = TrimSpaces(text);
    if (text.empty()) {
        throw EvaluationAborted("a value is missing");
    }
    const auto notANumber = [text] { return EvaluationAborted(Quoted(text) + " is no number or name"); };
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digitCount = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digitCount;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digitCount;
        }
    }
    if (digitCount == 0) {
        throw notANumber();
    }
    const std::string_view mantissa = text.substr(mantissaStart, i - mantissaStart);
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::size_t exponentStart = i;
        while (i < text.size() && IsDigit(text[i])) {
            // Saturates: only the sign of a huge exponent matters.
            exponent = std::min(exponent * 10 + (text[i] - '0'), 100000000L);
            ++i;
        }
        if (i == exponentStart) {
            throw notANumber();
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (i != text.size()) {
        throw notANumber();
    }

    // from_chars takes no "+" sign, so it reads the text after the sign.
    const std::string_view unsignedText = text.substr(mantissaStart);
    double value = 0.0;
    const auto result =
        std::from_chars(unsignedText.data(), unsignedText.data() + unsignedText.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (LeadingExponent(mantissa, exponent) > 0) {
            throw EvaluationAborted(Quoted(text) + " is too large a number");
        }
        value = 0.0;
    } else if (result.ec != std::errc() || result.ptr != unsignedText.data() + unsignedText.size()) {
        throw notANumber();
    }
    return negative ? -value : value;
}

}  // namespace orvanta
