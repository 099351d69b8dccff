// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/MathFunctions.h"

#include <array>
#include <cmath>
#include <string>

#include "core/calc/AsciiCase.h"
#include "core/calc/EvaluationAborted.h"
#include "core/calc/FailureText.h"
#include "core/calc/NumberText.h"

namespace orvanta {

namespace {

// Thrown by a failing step and caught by the routine that ran it, so no step
// failure ever leaves this file.
struct StepFailed {};

double Checked(double value) {
    if (!std::isfinite(value)) {
        throw StepFailed{};
    }
    return value;
}

double Add(double a, double b) {
    return Checked(a + b);
}
double Sub(double a, double b) {
    return Checked(a - b);
}
double Mul(double a, double b) {
    return Checked(a * b);
}
double Div(double a, double b) {
    if (b == 0.0) {
        throw StepFailed{};
    }
    return Checked(a / b);
}
double Sqrt(double x) {
    if (x < 0.0) {
        throw StepFailed{};
    }
    return std::sqrt(x);
}
double Ln(double x) {
    if (!(x > 0.0)) {
        throw StepFailed{};
    }
    return Checked(std::log(x));
}
double Exp(double x) {
    return Checked(std::exp(x));
}
double Sgn(double x) {
    return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0);
}

double QuarterTurn() {
    return 2.0 * std::atan(1.0);
}

// Half of the 15-digit pi that "acos" has always used; not the exact pi/2.
constexpr double kAcosHalfPi = 3.14159265358979 / 2.0;
// "loge" has always divided by the log of this rounded e, not of e itself.
constexpr double kLogeBase = 2.71828183;

template <typename Formula>
MathResult Guarded(std::string_view failure, Formula formula) {
    try {
        return {formula(), {}};
    } catch (const StepFailed&) {
        return {0.0, failure};
    }
}

// The plain library functions have no failure text of their own; what goes wrong
// in them ends the line, with a reason that names the function and its argument.
double LibraryResult(std::string_view name, double x, double value) {
    if (!std::isfinite(value)) {
        throw EvaluationAborted(std::string(name) + " of " + FormatNumber(x) + " is no finite number");
    }
    return value;
}

MathResult LibrarySqrt(double x) {
    if (x < 0.0) {
        throw EvaluationAborted("the square root of " + FormatNumber(x) + " has no real value");
    }
    return {std::sqrt(x), {}};
}

MathResult LibrarySin(double x) {
    return {LibraryResult("sin", x, std::sin(x)), {}};
}
MathResult LibraryCos(double x) {
    return {LibraryResult("cos", x, std::cos(x)), {}};
}
MathResult LibraryTan(double x) {
    return {LibraryResult("tan", x, std::tan(x)), {}};
}
MathResult LibraryAtan(double x) {
    return {LibraryResult("atan", x, std::atan(x)), {}};
}
MathResult Log10(double x) {
    return LogN(x, 10.0);
}
MathResult Log2(double x) {
    return LogN(x, 2.0);
}
MathResult LogE(double x) {
    return LogN(x, kLogeBase);
}

struct NamedFunction {
    std::string_view name;
    MathResult (*routine)(double);
};

constexpr auto kFunctions = std::to_array<NamedFunction>({
    {"sin", LibrarySin}, {"cos", LibraryCos}, {"tan", LibraryTan},   {"acos", ACos},   {"asin", ASin},
    {"sinh", SinH},      {"cosh", CosH},      {"tanh", TanH},        {"coth", CotH},   {"sech", SecH},
    {"csech", CSecH},    {"asinh", ASinH},    {"acosh", ACosH},      {"atanh", ATanH}, {"acoth", ACotH},
    {"asech", ASecH},    {"acsech", ACsecH},  {"sqrt", LibrarySqrt}, {"log10", Log10}, {"log2", Log2},
    {"loge", LogE},      {"log", Log10},      {"atan", LibraryAtan}, {"sec", Sec},     {"asec", ASec},
    {"acot", ACot},      {"acsec", ACSec},    {"csec", CSec},        {"cot", Cot},
});

const NamedFunction* FindFunction(std::string_view word) {
    for (const NamedFunction& function : kFunctions) {
        if (EqualIgnoringAsciiCase(word, function.name)) {
            return &function;
        }
    }
    return nullptr;
}

}  // namespace

MathResult Sec(double x) {
    return Guarded("Sec error", [&] { return Div(1.0, std::cos(x)); });
}

MathResult CSec(double x) {
    return Guarded("CSec error", [&] { return Div(1.0, std::sin(x)); });
}

MathResult Cot(double x) {
    return Guarded("CoT error", [&] { return Div(1.0, std::tan(x)); });
}

MathResult ASin(double x) {
    return Guarded("ASin() value out of range", [&] { return std::atan(Div(x, Sqrt(Sub(1.0, Mul(x, x))))); });
}

MathResult ACos(double x) {
    const MathResult asin = ASin(x);
    if (asin.Failed()) {
        return {0.0, "ACos() value out of range"};
    }
    return Guarded("ACos() value out of range", [&] { return Sub(kAcosHalfPi, asin.value); });
}

MathResult ASec(double x) {
    return Guarded("ASec error", [&] {
        const double angle = std::atan(Div(x, Sqrt(Sub(Mul(x, x), 1.0))));
        return Add(angle, Mul(Sgn(Sub(x, 1.0)), QuarterTurn()));
    });
}

MathResult ACSec(double x) {
    return Guarded("ACSec error", [&] {
        const double angle = std::atan(Div(x, Sqrt(Sub(Mul(x, x), 1.0))));
        return Add(angle, Mul(Sgn(x) - 1.0, QuarterTurn()));
    });
}

MathResult ACot(double x) {
    return Guarded("ACoT error", [&] { return Add(std::atan(x), QuarterTurn()); });
}

MathResult SinH(double x) {
    return Guarded("SinH Error", [&] {
        const double e = Exp(x);
        return Div(Sub(e, Div(1.0, e)), 2.0);
    });
}

MathResult CosH(double x) {
    return Guarded("CosH Error", [&] {
        const double e = Exp(x);
        return Div(Add(e, Div(1.0, e)), 2.0);
    });
}

MathResult TanH(double x) {
    return Guarded("TanH Error", [&] {
        const double e = Exp(x);
        const double inverse = Div(1.0, e);
        return Div(Sub(e, inverse), Add(e, inverse));
    });
}

MathResult CotH(double x) {
    return Guarded("CotH Error", [&] {
        const double e = Exp(x);
        const double inverse = Div(1.0, e);
        return Div(Add(e, inverse), Sub(e, inverse));
    });
}

MathResult SecH(double x) {
    return Guarded("SecH Error", [&] {
        const double e = Exp(x);
        return Div(2.0, Add(e, Div(1.0, e)));
    });
}

// The hyperbolic cosecant, written like its siblings so that it fails the same
// way (at 0 and for arguments of large magnitude).
MathResult CSecH(double x) {
    return Guarded("CSecH Error", [&] {
        const double e = Exp(x);
        return Div(2.0, Sub(e, Div(1.0, e)));
    });
}

MathResult ASinH(double x) {
    return Guarded("ASinH Error", [&] { return Ln(Add(x, Sqrt(Add(Mul(x, x), 1.0)))); });
}

MathResult ACosH(double x) {
    return Guarded("ACosH() value out of range", [&] { return Ln(Add(x, Sqrt(Sub(Mul(x, x), 1.0)))); });
}

MathResult ATanH(double x) {
    return Guarded("ATanH Error", [&] {
        const double inverse = Div(1.0, x);
        return Div(Ln(Div(Add(inverse, 1.0), Sub(inverse, 1.0))), 2.0);
    });
}

MathResult ACotH(double x) {
    return Guarded("ACotH Error", [&] { return Div(Ln(Div(Add(x, 1.0), Sub(x, 1.0))), 2.0); });
}

MathResult ASecH(double x) {
    return Guarded("ASecH() value out of range",
                   [&] { return Ln(Div(Add(Sqrt(Sub(1.0, Mul(x, x))), 1.0), x)); });
}

MathResult ACsecH(double x) {
    return Guarded("ACsecH Error",
                   [&] { return Ln(Div(Add(Mul(Sgn(x), Sqrt(Add(Mul(x, x), 1.0))), 1.0), x)); });
}

MathResult LogN(double x, double base) {
    return Guarded("LogN error", [&] { return Div(Ln(x), Ln(base)); });
}

bool IsFunctionName(std::string_view word) {
    return FindFunction(word) != nullptr;
}

MathResult ApplyFunction(std::string_view name, double x) {
    const NamedFunction* function = FindFunction(name);
    if (function == nullptr) {
        throw EvaluationAborted(Quoted(name) + " is no function");
    }
    return function->routine(x);
}

}  // namespace orvanta
