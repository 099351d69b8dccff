// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/Calculator.h"

#include <gtest/gtest.h>

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace orvanta {
namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            joined += "\r\n";
        }
        joined += lines[i];
    }
    return joined;
}

std::string Repeated(const std::string& start, const std::string& piece, int times) {
    std::string line = start;
    for (int i = 0; i < times; ++i) {
        line += piece;
    }
    return line;
}

std::vector<Variable> Snapshot(const Calculator& calculator) {
    std::vector<Variable> slots;
    for (int i = 0; i <= 255; ++i) {
        slots.push_back(calculator.Slot(i));
    }
    return slots;
}

bool IsStored(const Calculator& calculator, const std::string& name) {
    for (int i = 1; i <= 255; ++i) {
        if (calculator.Slot(i).Name == name) {
            return true;
        }
    }
    return false;
}

struct LineRow {
    std::vector<std::string> before;  // lines run first, on the same calculator
    std::string line;
    std::string result;
    std::vector<std::pair<std::string, std::optional<std::string>>> afterwards;  // nullopt: not stored
    bool nothingStored = false;
};

void PrintTo(const LineRow& row, std::ostream* out) {
    *out << '"' << row.line << '"';
}

class ExecuteLine : public ::testing::TestWithParam<LineRow> {};

TEST_P(ExecuteLine, GivesTheKnownTextAndVariables) {
    Calculator calculator;
    calculator.InitCalculator();
    for (const std::string& line : GetParam().before) {
        calculator.ExecuteStatement(line);
    }
    const std::vector<Variable> before = Snapshot(calculator);

    EXPECT_EQ(calculator.ExecuteStatement(GetParam().line), GetParam().result);

    for (const auto& [name, value] : GetParam().afterwards) {
        if (value) {
            EXPECT_TRUE(IsStored(calculator, name)) << name;
            EXPECT_EQ(calculator.GetVariable(name), *value) << name;
        } else {
            EXPECT_FALSE(IsStored(calculator, name)) << name;
        }
    }
    if (GetParam().nothingStored) {
        const std::vector<Variable> after = Snapshot(calculator);
        for (std::size_t i = 0; i < after.size(); ++i) {
            EXPECT_EQ(after[i].Name, before[i].Name) << "slot " << i;
            EXPECT_EQ(after[i].Value, before[i].Value) << "slot " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Documented, ExecuteLine,
    ::testing::Values(LineRow{{}, "", "Error", {}, true}, LineRow{{}, "    ", "Error", {}, true},
                      LineRow{{}, "2+3", "5", {{"Ans", "5"}}},
                      LineRow{{}, "x = 4", "4", {{"x", "4"}, {"Ans", ""}}},
                      LineRow{{}, "for i = 1 to 3 : i", Lines({"1", "2", "3"}), {{"i", "3"}, {"Ans", "3"}}},
                      LineRow{{}, "for i = 1 to 10 step 3 : i", Lines({"1", "4", "7", "10"}), {{"i", "10"}}},
                      LineRow{{}, "for i = 5 to 1 : i", "", {{"i", std::nullopt}, {"Ans", "1"}}},
                      LineRow{{"n = -1"}, "for i = 3 to 1 step n : i", Lines({"3", "2", "1"}), {{"i", "1"}}},
                      LineRow{{}, "for i = 3 to 1 step -1 : i", "Error", {{"i", std::nullopt}}},
                      LineRow{{}, "for i = 1 to 9 step 1+1 : i", "Error", {{"i", std::nullopt}}},
                      LineRow{{}, "for i = 1 to 3", "Error", {}},
                      LineRow{{}, "for i = 1 to 3 :", Lines({"Error", "Error", "Error"}), {{"i", "3"}}},
                      LineRow{{}, "for x 1 to 3 : x", "", {}, true},
                      LineRow{{}, "FOR i = 1 TO 3 : i", "Error", {{"i", std::nullopt}}},
                      LineRow{{"s = 0"},
                              "for i = 1 to 4 : s = s + i",
                              Lines({"1", "3", "6", "10"}),
                              {{"s", "10"}, {"Ans", "4"}}},
                      LineRow{{}, "1 + : 2", "3", {{"Ans", "3"}}}, LineRow{{}, "SIN(0)", "0", {{"Ans", "0"}}},
                      LineRow{{}, "for i = 1 to 5 : 1/(3-i)", "Error", {{"i", "3"}}}));

INSTANTIATE_TEST_SUITE_P(
    LoopReading, ExecuteLine,
    ::testing::Values(
        // START, END and STEP are evaluations of their own and update Ans in that order.
        LineRow{{"k = 2"},
                "for j = 1 to 5 step k : j*10",
                Lines({"10", "30", "50"}),
                {{"j", "5"}, {"Ans", "50"}}},
        LineRow{
            {"k = 2"}, "for j = 1 to 5 step k : q = j", Lines({"1", "3", "5"}), {{"q", "5"}, {"Ans", "2"}}},
        LineRow{{}, "for i = 2*3 to 2^3 : i", Lines({"6", "7", "8"}), {{"Ans", "8"}}},
        LineRow{{}, "for i = 1 to 2:i:i", Lines({"Error", "Error"}), {{"i", "2"}}},
        LineRow{{}, "for i = 1 to 2 : x = i", Lines({"1", "2"}), {{"x", "2"}, {"Ans", "2"}}},
        LineRow{{}, "for i = 5", "Error", {{"Ans", "5"}}}, LineRow{{}, "for i = 1 TO 3 : i", "Error", {}},
        LineRow{{}, "for i = 1 to 3 STEP 1 : i", "Error", {{"Ans", "1"}}},
        LineRow{{}, "for i = 1 to 3 step : i", "Error", {}},
        LineRow{{}, "for i = 1 to 3 step 2 step : i", "Error", {{"Ans", "2"}}},
        LineRow{{}, "for i = 1 to 3 step 2 3 : i", "Error", {}},
        LineRow{{}, "for i = asin(2) to 3 : i", "Error", {{"Ans", ""}}},
        LineRow{{}, "for i = 1/0 to 3 : i", "Error", {}}, LineRow{{}, "for i = 1 to (3 : i", "Error", {}},
        LineRow{{}, "for i = 1 to undefined : i", "Error", {{"i", std::nullopt}}},
        LineRow{{}, "for 2 = 1 to 3 : i", "", {}, true}, LineRow{{}, "for sin = 1 to 3 : i", "", {}, true},
        LineRow{{}, "for", "", {}, true}, LineRow{{}, "for i = 1 to 3 : s = s + i", "Error", {{"i", "1"}}},
        LineRow{{}, "for i = 1 to 3 : sqrt(-1)", "Error", {{"i", "1"}}},
        LineRow{{"y = 2"}, "for i = 1 to 2 : y = y * 10", Lines({"20", "200"}), {{"y", "200"}}},
        LineRow{{},
                "for i = 1 to 2 : asin(2)",
                Lines({"Error: ASin() value out of range", "Error: ASin() value out of range"}),
                {{"Ans", "2"}}},
        // A loop variable spelt in another letter case renames the entry it updates.
        LineRow{{"x = 1"}, "for X = 1 to 2 : 0", Lines({"0", "0"}), {{"X", "2"}, {"x", std::nullopt}}},
        LineRow{{}, "for i = -1 to -3 step m : i", "Error", {}}));

INSTANTIATE_TEST_SUITE_P(
    RunawayLoops, ExecuteLine,
    ::testing::Values(
        LineRow{{}, "for i = 1 to 3 step 0 : i", "Error", {{"i", std::nullopt}}},
        LineRow{{}, "for i = 2 to 2 step 0 : i", "Error", {{"i", std::nullopt}}},
        // A loop that runs no pass is no fault, whatever its step; Ans holds STEP.
        LineRow{{}, "for i = 3 to 1 step 0 : i", "", {{"i", std::nullopt}, {"Ans", "0"}}},
        LineRow{{"z = 0"}, "for i = 5 to 1 step z : i", "", {{"i", std::nullopt}, {"Ans", "0"}}},
        LineRow{{}, "for i = 1 to 2000000 : i", "Error", {{"i", std::nullopt}, {"Ans", "2000000"}}},
        LineRow{{}, "for i = 1 to 1000001 : i", "Error", {{"i", std::nullopt}}},
        LineRow{{"m = -0.000001"}, "for i = 1 to -1 step m : i", "Error", {{"i", std::nullopt}}},
        // The counter stops moving once 1 is lost against 1e16.
        LineRow{{}, "for i = 1e16 to 1e16 : i", "Error", {{"i", std::nullopt}}}));

// The output keeps its texts; beside it lastError() says why a line failed.
struct ReasonRow {
    std::vector<std::string> before;
    std::string line;
    std::string result;
    std::string reason;
};

void PrintTo(const ReasonRow& row, std::ostream* out) {
    *out << '"' << row.line.substr(0, 60) << '"';
}

class FailureReason : public ::testing::TestWithParam<ReasonRow> {};

TEST_P(FailureReason, IsGivenBesideTheText) {
    Calculator calculator;
    calculator.InitCalculator();
    for (const std::string& line : GetParam().before) {
        calculator.ExecuteStatement(line);
    }
    EXPECT_EQ(calculator.ExecuteStatement(GetParam().line), GetParam().result);
    EXPECT_EQ(calculator.lastError(), GetParam().reason);
}

const std::string kLoop255 = Repeated("for i = 1 to 1 : 1", "+1", 123) + " :";

INSTANTIATE_TEST_SUITE_P(
    Lines, FailureReason,
    ::testing::Values(
        ReasonRow{{}, "2+3", "5", ""}, ReasonRow{{"1/0"}, "for x 1 to 3 : x", "", ""},
        ReasonRow{{}, "", "Error", "nothing to evaluate"},
        // Typed after a line left in the box: "2for" is one word, and it is what
        // leaves the values without an operator between them.
        ReasonRow{{}, "x = 2for i = 1 to 3 : i", "Error", "'2for' is no number or name"},
        ReasonRow{{}, "2x + 1", "Error", "'2x' is no number or name"},
        ReasonRow{{},
                  Repeated("1", "x", 60) + "*1",
                  "Error",
                  Repeated("'1", "x", 39) + "...' is no number or name"},
        ReasonRow{{}, "1e999*1", "Error", "'1e999' is too large a number"},
        ReasonRow{{}, "x = undefined + 1", "Error", "'undefined' has no value"},
        ReasonRow{{"y = 2x"}, "-y", "Error", "'y' holds '2x', which is no number"},
        ReasonRow{{}, "2*+3", "Error", "'+' stands where a number is expected"},
        ReasonRow{{}, "(1", "Error", "a '(' is not closed"},
        ReasonRow{{}, "1)", "Error", "a ')' has no '(' before it"},
        ReasonRow{{}, "5 3", "Error", "an operator is missing between two values"},
        ReasonRow{{}, "-sin(1)", "Error", "'-' lacks a value"},
        ReasonRow{{}, "1/0", "Error", "division by zero"},
        ReasonRow{{}, "1e308*10", "Error", "the result of 1E+308 * 10 is too large"},
        ReasonRow{{}, "(-8)^0.5", "Error", "-8 ^ .5 has no real value"},
        ReasonRow{{}, "0^-1", "Error", "0 ^ -1 divides by zero"},
        ReasonRow{{}, "sqrt(-4)", "Error", "the square root of -4 has no real value"},
        ReasonRow{{}, "asin(2)", "Error: ASin() value out of range", "ASin() value out of range"},
        ReasonRow{{}, Repeated("1", "+1", 128), "Error", "the line has more than 255 tokens"},
        ReasonRow{{}, "for i = 5", "Error", "the loop has no 'to'"},
        ReasonRow{{}, "for i = 1 to 3", "Error", "the loop has no ':' before its body"},
        ReasonRow{{},
                  "for i = 3 to 1 step -1 : i",
                  "Error",
                  "the loop's STEP must be one number or name, then ':'"},
        ReasonRow{{}, "for i = 1 to (3 : i", "Error", "a '(' is not closed in the loop's END"},
        ReasonRow{{}, "for i = 1 to undefined : i", "Error", "'undefined' has no value in the loop's END"},
        ReasonRow{{}, "for i = 1 to 3 step 0 : i", "Error", "a step of 0 would never end"},
        ReasonRow{{}, "for i = 1 to 2000000 : i", "Error", "a loop of more than 1,000,000 passes"},
        ReasonRow{{}, "for i = 1e16 to 1e16 : i", "Error", "the counter stops moving at 1E+16"},
        ReasonRow{{}, "for i = 1 to 5 : 1/(3-i)", "Error", "division by zero (at i = 3)"},
        ReasonRow{{},
                  "for i = 0 to 1 : asin(i*2)",
                  Lines({"0", "Error: ASin() value out of range"}),
                  "ASin() value out of range (at i = 1)"},
        ReasonRow{{}, kLoop255, "Error", "the line reaches past its 255th token"}));

TEST(ExecuteStatement, FractionalStepsAccumulateLikeDoubles) {
    Calculator calculator;
    const std::string output = calculator.ExecuteStatement("for i = 0 to 1 step 0.1 : i");
    EXPECT_EQ(output, Lines({"0", ".1", ".2", ".3", ".4", ".5", ".6", ".7", ".8", ".9", "1"}))
        << "eleven passes, the last with a counter just below 1";
}

TEST(ExecuteStatement, RunsALoopOfExactlyTheMostPasses) {
    Calculator calculator;
    const std::string output = calculator.ExecuteStatement("for i = 1 to 1000000 :");
    EXPECT_EQ(output.size(), 1000000 * 7 - 2) << "one million \"Error\" lines";
    EXPECT_EQ(calculator.GetVariable("i"), "1000000");
}

TEST(ExecuteStatement, LongLines) {
    Calculator calculator;
    // 150 ones and 149 plus signs: 299 tokens.
    EXPECT_EQ(calculator.ExecuteStatement(Repeated("1", "+1", 149)), "Error");
    EXPECT_EQ(calculator.ExecuteStatement(Repeated("1", "+1", 127)), "128");
    EXPECT_EQ(calculator.ExecuteStatement(Repeated("1", "+1", 128)), "Error");

    // "for i = 1 to 1 : 1" is 8 tokens, each "+1" adds two.
    const std::string loop = "for i = 1 to 1 : 1";
    EXPECT_EQ(calculator.ExecuteStatement(Repeated(loop, "+1", 122)), "123") << "252 tokens";
    EXPECT_EQ(calculator.ExecuteStatement(Repeated(loop, "+1", 122) + " :"), "123") << "253 tokens";
    EXPECT_EQ(calculator.ExecuteStatement(Repeated(loop, "+1", 123)), "124") << "254 tokens";
    EXPECT_EQ(calculator.ExecuteStatement(Repeated(loop, "+1", 123) + " :"), "Error")
        << "255 tokens: the body runs up against the end of the list";
}

TEST(ExecuteStatement, NothingTypedBreaksIt) {
    Calculator calculator;
    calculator.InitCalculator();
    const std::vector<std::string> lines = {
        "((((",
        "))))",
        "^^^^",
        "=====",
        "::::",
        "to to to",
        "step",
        "for for for",
        "for i",
        "for i =",
        "for i = to",
        "for i = 1 to",
        "for i = 1 to 2 step",
        "sin sin sin",
        "1e308*1e308",
        "-1e308-1e308",
        "\xff\xfe\x01",
        "\t",
        "1/(1-1)",
        "acsech(1e300)",
        "log(-0)",
        "2^1024",
        "(-1)^0.5",
        "x = x = x = x",
    };
    for (const std::string& line : lines) {
        const std::string result = calculator.ExecuteStatement(line);
        EXPECT_TRUE(result.empty() || result.rfind("Error", 0) == 0) << line << " gave " << result;
        EXPECT_EQ(calculator.lastError().empty(), result.empty())
            << line << " said " << calculator.lastError();
    }
    EXPECT_EQ(calculator.ExecuteStatement("2+3"), "5") << "still working";
}

// Lines far past every limit: each ends at once with a bounded text.
TEST(ExecuteStatement, HugeLinesEndAtOnce) {
    Calculator calculator;
    calculator.InitCalculator();
    const std::vector<std::pair<std::string, std::string>> rows = {
        {std::string(10000, '(') + "1" + std::string(10000, ')'), "Error"},
        {Repeated("a", "+a", 100000), "Error"},
        {Repeated("", "sqrt(", 300) + "4", "Error"},
        {std::string("1\0+2", 4), "Error"},
        {"for i = 1 to 1e308 : i", "Error"},
        {"for i = -1e308 to 1e308 step 1e300 : i", "Error"},
        {"for i = 1 to 1000000 step 0.5 : i", "Error"},
        {"for i = 1 to 3 : for j = 1 to 3 : j", "Error\r\nError\r\nError"},
    };
    for (const auto& [line, result] : rows) {
        EXPECT_EQ(calculator.ExecuteStatement(line), result) << line.substr(0, 60);
    }
    EXPECT_EQ(calculator.ExecuteStatement("2+3"), "5") << "still working";
}

TEST(ExecuteStatement, ThreeHundredVariablesFillTheTableWithoutOverflowingIt) {
    Calculator calculator;
    calculator.InitCalculator();
    for (int i = 1; i <= 300; ++i) {
        const std::string number = std::to_string(i);
        EXPECT_EQ(calculator.ExecuteStatement(std::string("v").append(number).append(" = ").append(number)),
                  number);
    }
    EXPECT_EQ(calculator.Slot(1).Name, "Ans");
    EXPECT_EQ(calculator.Slot(2).Name, "v1");
    EXPECT_EQ(calculator.Slot(253).Name, "v252");
    EXPECT_EQ(calculator.Slot(254).Name, "v300") << "the newest name takes the last slot";
    EXPECT_EQ(calculator.Slot(255).Name, "");
    EXPECT_EQ(calculator.ExecuteStatement("v1 + v300"), "301");
}

TEST(ExecuteStatement, AStopRequestEndsALoopBeforeItsNextPass) {
    Calculator calculator;
    std::stop_source source;
    source.request_stop();
    EXPECT_EQ(calculator.ExecuteStatement("for i = 1 to 1000000 : i", source.get_token()), "");
    EXPECT_EQ(calculator.GetVariable("i"), "") << "no pass ran";
    EXPECT_EQ(calculator.ExecuteStatement("2+3", source.get_token()), "5") << "a single statement runs whole";
}

TEST(Calculator, RemovingAVariableClosesTheGapAndNeverTakesAns) {
    Calculator calculator;
    calculator.InitCalculator();
    for (const char* line : {"a = 1", "b = 2", "c = 3"}) {
        calculator.ExecuteStatement(line);
    }
    EXPECT_FALSE(calculator.RemoveVariable(1));
    EXPECT_FALSE(calculator.RemoveVariable(5)) << "a free slot";
    EXPECT_TRUE(calculator.RemoveVariable(3));
    std::vector<std::string> names;
    for (int i = 1; i <= 5; ++i) {
        names.push_back(calculator.Slot(i).Name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Ans", "a", "c", "", ""}));
    EXPECT_EQ(calculator.GetVariable("c"), "3");
    EXPECT_EQ(calculator.ExecuteStatement("d = 4"), "4");
    EXPECT_EQ(calculator.Slot(4).Name, "d") << "the next name takes the first free slot";
}

TEST(Calculator, InitNamesSlotOneAns) {
    Calculator calculator;
    EXPECT_EQ(calculator.Slot(1).Name, "");
    calculator.InitCalculator();
    EXPECT_EQ(calculator.Slot(1).Name, "Ans");
    EXPECT_EQ(calculator.Slot(1).Value, "");
    EXPECT_EQ(calculator.ExecuteStatement("x = 4"), "4");
    EXPECT_EQ(calculator.Slot(2).Name, "x");
    EXPECT_EQ(calculator.ExecuteStatement("X = 5"), "5");
    EXPECT_EQ(calculator.Slot(2).Name, "X");
    EXPECT_EQ(calculator.ExecuteStatement("x"), "");
    EXPECT_EQ(calculator.GetVariable("Ans"), "");
    EXPECT_EQ(calculator.Slot(3).Name, "");
}

}  // namespace
}  // namespace orvanta
