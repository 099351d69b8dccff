// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/MathFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/calc/Calculator.h"
#include "core/calc/EvaluationAborted.h"

namespace orvanta {
namespace {

struct StatementRow {
    std::string statement;
    std::string result;
};

void PrintTo(const StatementRow& row, std::ostream* out) {
    *out << row.statement;
}

class FunctionStatement : public ::testing::TestWithParam<StatementRow> {};

TEST_P(FunctionStatement, ShowsTheKnownText) {
    Calculator calculator;
    calculator.InitCalculator();
    EXPECT_EQ(calculator.ExecuteStatement(GetParam().statement), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FunctionStatement,
    ::testing::Values(
        StatementRow{"sin(30)", "-.988031624092862"}, StatementRow{"asin(0.5)", ".523598775598299"},
        StatementRow{"acos(0.5)", "1.0471975511966"}, StatementRow{"acos(0)", "1.5707963267949"},
        StatementRow{"acot(0)", "1.5707963267949"}, StatementRow{"asec(2)", "2.42786827464503"},
        StatementRow{"acsec(2)", ".857071947850131"}, StatementRow{"acsec(-2)", "-3.99866460143992"},
        StatementRow{"sinh(1)", "1.1752011936438"}, StatementRow{"cosh(1)", "1.54308063481524"},
        StatementRow{"tanh(1)", ".761594155955765"}, StatementRow{"asinh(1)", ".881373587019543"},
        StatementRow{"acosh(2)", "1.31695789692482"}, StatementRow{"atanh(0.5)", ".549306144334055"},
        StatementRow{"acoth(2)", ".549306144334055"}, StatementRow{"asech(0.5)", "1.31695789692482"},
        StatementRow{"acsech(-1)", "-.881373587019543"}, StatementRow{"log(100)", "2"},
        StatementRow{"log10(1000)", "3"}, StatementRow{"log2(8)", "3"}, StatementRow{"loge(1)", "0"}));

// Values that follow from the formulas and constants as they are written.
INSTANTIATE_TEST_SUITE_P(
    FormulaDetails, FunctionStatement,
    ::testing::Values(
        StatementRow{"loge(2.71828183)", "1"}, StatementRow{"loge(2.718281828459045)", ".999999999433114"},
        StatementRow{"acos(-0.5)", "2.09439510239319"}, StatementRow{"atan(1)*4", "3.14159265358979"},
        StatementRow{"asec(-2)", "-2.42786827464503"}, StatementRow{"acot(-1)", ".785398163397448"},
        StatementRow{"sec(0)", "1"}, StatementRow{"cot(1)", ".642092615934331"},
        StatementRow{"csec(1)", "1.18839510577812"}, StatementRow{"coth(1)", "1.31303528549933"},
        StatementRow{"sech(1)", ".648054273663885"}, StatementRow{"csech(1)", ".850918128239322"},
        StatementRow{"csech(-1)", "-.850918128239322"}, StatementRow{"acosh(1)", "0"},
        StatementRow{"asech(1)", "0"}, StatementRow{"sqrt(4)", "2"}, StatementRow{"cos(0)", "1"},
        StatementRow{"tan(0)", "0"}, StatementRow{"sinh(-1000)*0", "Error: SinH Error"},
        StatementRow{"Log10(10)", "1"}, StatementRow{"ACOSH(1)", "0"}));

INSTANTIATE_TEST_SUITE_P(
    Failures, FunctionStatement,
    ::testing::Values(
        StatementRow{"asin(1)", "Error: ASin() value out of range"},
        StatementRow{"acos(2)", "Error: ACos() value out of range"},
        StatementRow{"acos(-1)", "Error: ACos() value out of range"},
        StatementRow{"csec(0)", "Error: CSec error"}, StatementRow{"cot(0)", "Error: CoT error"},
        StatementRow{"coth(0)", "Error: CotH Error"}, StatementRow{"asec(0.5)", "Error: ASec error"},
        StatementRow{"acosh(0.5)", "Error: ACosH() value out of range"},
        StatementRow{"atanh(0)", "Error: ATanH Error"}, StatementRow{"atanh(1)", "Error: ATanH Error"},
        StatementRow{"acoth(1)", "Error: ACotH Error"},
        StatementRow{"asech(0)", "Error: ASecH() value out of range"},
        StatementRow{"acsech(0)", "Error: ACsecH Error"}, StatementRow{"log(0)", "Error: LogN error"},
        StatementRow{"log2(-8)", "Error: LogN error"}, StatementRow{"sinh(1000)", "Error: SinH Error"},
        // The library functions have no failure text: the statement fails outright.
        StatementRow{"sqrt(-4)", "Error"}, StatementRow{"sqrt(-1)", "Error"}));

// Where each guarded routine fails, as its formula's steps make it fail.
struct BoundaryRow {
    std::string name;
    MathResult (*routine)(double);
    double x;
    std::string failure;  // empty: succeeds
};

void PrintTo(const BoundaryRow& row, std::ostream* out) {
    *out << row.name << "(" << row.x << ")";
}

class RoutineBoundary : public ::testing::TestWithParam<BoundaryRow> {};

TEST_P(RoutineBoundary, FailsExactlyWhereItsStepsFail) {
    const MathResult result = GetParam().routine(GetParam().x);
    EXPECT_EQ(std::string(result.failure), GetParam().failure);
    if (result.Failed()) {
        EXPECT_EQ(result.value, 0.0);
    } else {
        EXPECT_TRUE(std::isfinite(result.value));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Routines, RoutineBoundary,
    ::testing::Values(
        BoundaryRow{"ASin", ASin, -1.0, "ASin() value out of range"}, BoundaryRow{"ASin", ASin, 0.999999, ""},
        BoundaryRow{"ASin", ASin, 1e200, "ASin() value out of range"},
        BoundaryRow{"ACos", ACos, 1.0, "ACos() value out of range"}, BoundaryRow{"ACos", ACos, -0.999999, ""},
        BoundaryRow{"ASec", ASec, 1.0, "ASec error"}, BoundaryRow{"ASec", ASec, -1.0, "ASec error"},
        BoundaryRow{"ASec", ASec, 0.0, "ASec error"}, BoundaryRow{"ASec", ASec, 1e200, "ASec error"},
        BoundaryRow{"ACSec", ACSec, 1.0, "ACSec error"}, BoundaryRow{"ACSec", ACSec, -0.5, "ACSec error"},
        BoundaryRow{"ACSec", ACSec, 1.5, ""}, BoundaryRow{"ACot", ACot, 1e300, ""},
        BoundaryRow{"Sec", Sec, 1.0, ""}, BoundaryRow{"CSec", CSec, -0.0, "CSec error"},
        BoundaryRow{"Cot", Cot, 0.0, "CoT error"}, BoundaryRow{"SinH", SinH, 709.0, ""},
        BoundaryRow{"SinH", SinH, 710.0, "SinH Error"}, BoundaryRow{"SinH", SinH, -746.0, "SinH Error"},
        BoundaryRow{"CosH", CosH, 1000.0, "CosH Error"}, BoundaryRow{"CosH", CosH, -1000.0, "CosH Error"},
        BoundaryRow{"TanH", TanH, 1000.0, "TanH Error"}, BoundaryRow{"TanH", TanH, 0.0, ""},
        BoundaryRow{"CotH", CotH, 1000.0, "CotH Error"}, BoundaryRow{"SecH", SecH, -1000.0, "SecH Error"},
        BoundaryRow{"CSecH", CSecH, 0.0, "CSecH Error"}, BoundaryRow{"CSecH", CSecH, 1000.0, "CSecH Error"},
        // x + sqrt(x*x + 1) cancels to 0 for a negative x of large magnitude.
        BoundaryRow{"ASinH", ASinH, -1e8, "ASinH Error"}, BoundaryRow{"ASinH", ASinH, -1000.0, ""},
        BoundaryRow{"ASinH", ASinH, 1e155, "ASinH Error"}, BoundaryRow{"ASinH", ASinH, 1e150, ""},
        BoundaryRow{"ACosH", ACosH, 0.999, "ACosH() value out of range"},
        BoundaryRow{"ACosH", ACosH, -2.0, "ACosH() value out of range"},
        BoundaryRow{"ATanH", ATanH, -1.0, "ATanH Error"}, BoundaryRow{"ATanH", ATanH, 2.0, "ATanH Error"},
        BoundaryRow{"ATanH", ATanH, -0.5, ""}, BoundaryRow{"ATanH", ATanH, 1e-320, "ATanH Error"},
        BoundaryRow{"ACotH", ACotH, -1.0, "ACotH Error"}, BoundaryRow{"ACotH", ACotH, 0.5, "ACotH Error"},
        BoundaryRow{"ACotH", ACotH, -2.0, ""},
        BoundaryRow{"ASecH", ASecH, -0.5, "ASecH() value out of range"},
        BoundaryRow{"ASecH", ASecH, 1.5, "ASecH() value out of range"},
        BoundaryRow{"ACsecH", ACsecH, 1e200, "ACsecH Error"}, BoundaryRow{"ACsecH", ACsecH, 2.0, ""}));

TEST(LogN, DividesTheNaturalLogarithms) {
    EXPECT_DOUBLE_EQ(LogN(8.0, 2.0).value, 3.0);
    EXPECT_EQ(std::string(LogN(-1.0, 10.0).failure), "LogN error");
    EXPECT_EQ(std::string(LogN(5.0, 1.0).failure), "LogN error") << "ln 1 is 0: a division by zero";
}

TEST(FunctionNames, AreWholeWordsInAnyCase) {
    for (const char* name :
         {"sin",   "cos",   "tan",   "acos",  "asin",  "sinh",  "cosh",   "tanh", "coth",  "sech",
          "csech", "asinh", "acosh", "atanh", "acoth", "asech", "acsech", "sqrt", "log10", "log2",
          "loge",  "log",   "atan",  "sec",   "asec",  "acot",  "acsec",  "csec", "cot"}) {
        EXPECT_TRUE(IsFunctionName(name)) << name;
        EXPECT_NO_THROW(ApplyFunction(name, 0.5)) << name;
    }
    EXPECT_TRUE(IsFunctionName("SIN"));
    EXPECT_TRUE(IsFunctionName("LoG10"));
    for (const char* word : {"sin2", "si", "log1", "exp", "ln", "abs", "pi", "", "sinn", "s in"}) {
        EXPECT_FALSE(IsFunctionName(word)) << word;
    }
    EXPECT_THROW(ApplyFunction("exp", 1.0), EvaluationAborted);
}

}  // namespace
}  // namespace orvanta
