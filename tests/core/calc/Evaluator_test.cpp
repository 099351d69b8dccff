// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/Evaluator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calc/EvaluationAborted.h"
#include "core/calc/Tokenizer.h"

namespace orvanta {
namespace {

constexpr const char* kAborts = "<aborts>";

struct EvaluateRow {
    std::string statement;
    std::string result;  // kAborts: an aborting failure
};

void PrintTo(const EvaluateRow& row, std::ostream* out) {
    *out << '"' << row.statement << '"';
}

class EvaluateStatement : public ::testing::TestWithParam<EvaluateRow> {};

// A result is stored under Ans; a reported or aborting failure stores nothing.
TEST_P(EvaluateStatement, ReturnsOrAbortsAsKnown) {
    VariableTable variables;
    variables.SetSlotName(1, "Ans");
    variables.SetVariable("Ans", "before");
    const TokenList tokens = Tokenize(GetParam().statement);
    if (GetParam().result == kAborts) {
        EXPECT_THROW(EvaluateTokens(tokens, variables), EvaluationAborted);
        EXPECT_EQ(variables.GetVariable("Ans"), "before");
        return;
    }
    const std::string result = EvaluateTokens(tokens, variables);
    EXPECT_EQ(result, GetParam().result);
    const bool failed = result.rfind("Error", 0) == 0;
    EXPECT_EQ(variables.GetVariable("Ans"), failed ? "before" : result);
}

INSTANTIATE_TEST_SUITE_P(
    Documented, EvaluateStatement,
    ::testing::Values(EvaluateRow{"1+2*3", "7"}, EvaluateRow{"(1+2)*3", "9"}, EvaluateRow{"10/4", "2.5"},
                      EvaluateRow{"7-2-1", "4"}, EvaluateRow{"2^3^2", "64"}, EvaluateRow{"1+2^3*4", "33"},
                      EvaluateRow{"2*sin(1)+3", "4.68294196961579"}, EvaluateRow{"-2^2", "4"},
                      EvaluateRow{"2^-1", ".5"}, EvaluateRow{"2--3", "5"}, EvaluateRow{"2*(-3)", "-6"},
                      EvaluateRow{"-(3)", kAborts}, EvaluateRow{"-sin(1)", kAborts},
                      EvaluateRow{"+3", "Error"}, EvaluateRow{"2*+3", "Error"}, EvaluateRow{"(1", "Error"},
                      EvaluateRow{"1)", "Error"}, EvaluateRow{"5 3", "Error"}, EvaluateRow{"()", "Error"},
                      EvaluateRow{"1/0", kAborts}, EvaluateRow{"sqrt(-1)", kAborts},
                      EvaluateRow{"asin(2)", "Error: ASin() value out of range"}, EvaluateRow{"SIN(0)", "0"},
                      EvaluateRow{"1 = 2", "Error"}, EvaluateRow{"(1 = 2)", "0"},
                      EvaluateRow{"1 + 2 = 3", "0"}, EvaluateRow{"5 =", "5"}, EvaluateRow{"0.5", "0.5"},
                      EvaluateRow{"0.5*1", ".5"}, EvaluateRow{"-0.5", "-.5"}, EvaluateRow{"007", "007"},
                      EvaluateRow{"007+0", "7"}, EvaluateRow{"0.1+0.2", ".3"}, EvaluateRow{"1E15*1", "1E+15"},
                      EvaluateRow{"0.00001*1", "1E-05"}, EvaluateRow{"1 + : 2", "3"}));

INSTANTIATE_TEST_SUITE_P(
    MoreShapes, EvaluateStatement,
    ::testing::Values(EvaluateRow{"", "Error"}, EvaluateRow{"=", "Error"}, EvaluateRow{"((2))", "2"},
                      EvaluateRow{"- 3", "-3"}, EvaluateRow{"--3", kAborts}, EvaluateRow{"3 -", kAborts},
                      EvaluateRow{"*", kAborts}, EvaluateRow{"(-2)^2", "4"},
                      EvaluateRow{"2^0.5", "1.4142135623731"}, EvaluateRow{"0^0", "1"},
                      // A function binds to the one operand after it, with or without parentheses.
                      EvaluateRow{"2*sin 1+3", "4.68294196961579"},
                      EvaluateRow{"sin(cos(0))", ".841470984807897"}, EvaluateRow{"sin cos 0", kAborts},
                      EvaluateRow{"sin", kAborts}, EvaluateRow{"sin(-1)", "-.841470984807897"},
                      EvaluateRow{"2 3 +", "5"}, EvaluateRow{"1 2 3 + +", "6"},
                      // Keywords and separators are skipped in a single statement.
                      EvaluateRow{"1 to 2 step +", "3"}, EvaluateRow{"FOR 4", "4"},
                      // Texts that are not numbers fail when they are converted, not before.
                      EvaluateRow{"2x", "2x"}, EvaluateRow{"2x + 1", kAborts}, EvaluateRow{"1e-5", kAborts},
                      EvaluateRow{"1e", "1e"}, EvaluateRow{"-2x", kAborts}, EvaluateRow{"1,5*2", kAborts},
                      EvaluateRow{"undefined", ""}, EvaluateRow{"undefined+1", kAborts},
                      // Overflow, powers without a real value, and division by zero abort.
                      EvaluateRow{"1e308*10", kAborts}, EvaluateRow{"(-8)^(1/3)", kAborts},
                      EvaluateRow{"0^-1", kAborts}, EvaluateRow{"0/0", kAborts},
                      EvaluateRow{"10^400", kAborts}, EvaluateRow{"1e999", "1e999"},
                      EvaluateRow{"1e999*1", kAborts}, EvaluateRow{"1/1e200/1e200", "0"},
                      EvaluateRow{"0-0", "0"}, EvaluateRow{"-0", "0"}, EvaluateRow{"1/3", ".333333333333333"},
                      EvaluateRow{"100000*100000*100000", "1E+15"},
                      EvaluateRow{"asin(2)+1", "Error: ASin() value out of range"},
                      EvaluateRow{"acos 2", "Error: ACos() value out of range"}));

struct Step {
    std::string statement;
    std::string result;  // kAborts: an aborting failure
    std::vector<std::pair<std::string, std::string>> afterwards;
};

// Each statement is evaluated after the ones above it, on one table.
TEST(EvaluateTokens, VariablesSequence) {
    const std::vector<Step> steps = {
        {"x = 3", "3", {{"x", "3"}}},
        {"X", "", {{"Ans", ""}, {"x", "3"}}},
        {"X+1", kAborts, {{"Ans", ""}, {"x", "3"}}},
        {"ans = 2", "2", {{"Ans", "2"}}},
        {"Ans*2", "4", {{"Ans", "4"}}},
        {"ans", "", {{"Ans", ""}}},
        {"y = 1e3", "1e3", {{"y", "1e3"}}},
        {"y*1", "1000", {{"Ans", "1000"}}},
        {"x = -3", "-3", {{"x", "-3"}, {"Ans", "1000"}}},
        {"z = x", "-3", {{"z", "-3"}}},
        {"z = -x", "3", {{"z", "3"}}},
        {"z = z + 1", "4", {{"z", "4"}}},
        {"w = undefined", "", {{"w", ""}}},
        {"v = 1/0", kAborts, {{"v", ""}}},
        {"v = asin(2)", "Error: ASin() value out of range", {{"v", ""}, {"Ans", "1000"}}},
        {"(1", "Error", {{"Ans", "1000"}}},
        {"x = = 2", "Error", {{"x", "-3"}}},
        {"2 = 3", "Error", {{"Ans", "1000"}}},
        {"ANS = 7", "7", {{"Ans", "7"}}},
    };
    VariableTable variables;
    variables.SetSlotName(1, "Ans");
    for (const Step& step : steps) {
        SCOPED_TRACE(step.statement);
        const TokenList tokens = Tokenize(step.statement);
        if (step.result == kAborts) {
            EXPECT_THROW(EvaluateTokens(tokens, variables), EvaluationAborted);
        } else {
            EXPECT_EQ(EvaluateTokens(tokens, variables), step.result);
        }
        for (const auto& [name, value] : step.afterwards) {
            EXPECT_EQ(variables.GetVariable(name), value) << name;
        }
    }
    EXPECT_EQ(variables.Slot(1).Name, "Ans") << "an assignment to ANS keeps the name Ans";
}

TEST(EvaluateTokens, LeavesItsInputUnchanged) {
    VariableTable variables;
    const TokenList body = Tokenize("s = s + -x*2");
    variables.SetVariable("s", "1");
    variables.SetVariable("x", "3");
    EXPECT_EQ(EvaluateTokens(body, variables), "-5");
    EXPECT_EQ(EvaluateTokens(body, variables), "-11");
    EXPECT_EQ(body[1].Text, "s");
    EXPECT_EQ(body[1].Kind, TokenKind::Name);
    EXPECT_EQ(body[5].Text, "-");
}

TEST(EvaluateTokens, HandlesAFullTokenList) {
    // 128 ones and 127 plus signs: 255 tokens, the most a line can hold.
    std::string line = "1";
    for (int i = 0; i < 127; ++i) {
        line += "+1";
    }
    VariableTable variables;
    EXPECT_EQ(EvaluateTokens(Tokenize(line), variables), "128");
    EXPECT_EQ(EvaluateTokens(Tokenize(std::string(255, '(')), variables), "Error");
}

TEST(Precedence, FollowsTheTokenText) {
    const std::vector<std::pair<std::string, int>> rows = {{"+", 1}, {"-", 1},   {"*", 2},     {"/", 2},
                                                           {"^", 3}, {"sin", 4}, {"log10", 4}, {"=", 0},
                                                           {"", 0},  {"(", 0}};
    for (const auto& [text, precedence] : rows) {
        EXPECT_EQ(Precedence(Token{text, TokenKind::Operator}), precedence) << text;
    }
}

}  // namespace
}  // namespace orvanta
