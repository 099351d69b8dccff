// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace orvanta {

// What a guarded routine gives back: the value, or (value 0) the failure text
// that the user sees after "Error: ".
struct MathResult {
    double value = 0.0;
    std::string_view failure;  // empty when the routine succeeded

    bool Failed() const { return !failure.empty(); }
};

// Each routine computes its formula step by step in double arithmetic and fails
// at the first step that divides by zero, takes the square root of a negative
// number or the logarithm of a number not above zero, overflows, or gives no
// valid number. The formulas are kept exactly as users know them, including
// their numeric quirks (atanh fails at 0, "loge" divides by ln 2.71828183).
MathResult Sec(double x);
MathResult CSec(double x);
MathResult Cot(double x);
MathResult ASin(double x);
MathResult ACos(double x);
MathResult ASec(double x);
MathResult ACSec(double x);
MathResult ACot(double x);
MathResult SinH(double x);
MathResult CosH(double x);
MathResult TanH(double x);
MathResult CotH(double x);
MathResult SecH(double x);
MathResult CSecH(double x);
MathResult ASinH(double x);
MathResult ACosH(double x);
MathResult ATanH(double x);
MathResult ACotH(double x);
MathResult ASecH(double x);
MathResult ACsecH(double x);
MathResult LogN(double x, double base);

// True when the word, in any letter case, is one of the 29 function names.
bool IsFunctionName(std::string_view word);

// Applies the function named by `name` (any letter case). The five plain
// library functions (sin, cos, tan, atan, sqrt) carry no failure text: a square
// root of a negative number, or any result that is not a finite number, aborts
// the evaluation (EvaluationAborted), as does a name that is no function.
MathResult ApplyFunction(std::string_view name, double x);

}  // namespace orvanta
