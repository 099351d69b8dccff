// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// The calculator's one way of writing a number: at most 15 significant digits,
// "." as the point whatever the locale, no "0" before the point (".5", "-.25"),
// and the form 1E-05 / 1.5E+20 when the decimal exponent is below -4 or 15 and
// above. A value that is not finite aborts the evaluation (EvaluationAborted).
std::string FormatNumber(double value);

// Reads [spaces][sign](digits[.digits] | .digits)[(E|e)[sign]digits][spaces].
// Only "." is a decimal point, so the calculator reads the same text the same
// way under every locale. Any other text, or a value beyond the range of a
// double, aborts the evaluation; a value too small for a double reads as 0.
double ParseNumber(std::string_view text);

}  // namespace orvanta
