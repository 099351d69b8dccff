// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/Tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calc/EvaluationAborted.h"

namespace orvanta {
namespace {

struct TokenizeRow {
    std::string line;
    std::vector<Token> tokens;
};

void PrintTo(const TokenizeRow& row, std::ostream* out) {
    *out << '"' << row.line << '"';
}

class TokenizeLine : public ::testing::TestWithParam<TokenizeRow> {};

TEST_P(TokenizeLine, GivesTheTokensInOrder) {
    const TokenList list = Tokenize(GetParam().line);
    const std::vector<Token>& expected = GetParam().tokens;
    ASSERT_EQ(list.Count(), static_cast<int>(expected.size()));
    for (int i = 1; i <= list.Count(); ++i) {
        const Token& want = expected[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(list[i].Text, want.Text) << "slot " << i;
        EXPECT_EQ(list[i].Kind, want.Kind) << "slot " << i;
    }
    EXPECT_TRUE(list[0].IsEmpty());
    EXPECT_TRUE(list[list.Count() + 1].IsEmpty()) << "the list ends at the first empty slot";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TokenizeLine,
    ::testing::Values(
        TokenizeRow{"x1=2*sin(0.5)",
                    {{"x1", tkName},
                     {"=", tkOperator},
                     {"2", tkNumber},
                     {"*", tkOperator},
                     {"sin", tkFunction},
                     {"(", tkOpen},
                     {"0.5", tkNumber},
                     {")", tkClose}}},
        TokenizeRow{"1e-5", {{"1e", tkNumber}, {"-", tkOperator}, {"5", tkNumber}}},
        TokenizeRow{"2x + y", {{"2x", tkNumber}, {"+", tkOperator}, {"y", tkName}}}, TokenizeRow{"", {}},
        TokenizeRow{"     ", {}}, TokenizeRow{"  a   b  ", {{"a", tkName}, {"b", tkName}}},
        // Only the space separates words: a tab, a comma, a point belong to the word.
        TokenizeRow{"a\tb,c.d_e", {{"a\tb,c.d_e", tkName}}}, TokenizeRow{"\t1", {{"\t1", tkName}}},
        TokenizeRow{"FOR i = 1 To 3 STEP 1:Sin(x)",
                    {{"FOR", tkKeyword},
                     {"i", tkName},
                     {"=", tkOperator},
                     {"1", tkNumber},
                     {"To", tkKeyword},
                     {"3", tkNumber},
                     {"STEP", tkKeyword},
                     {"1", tkNumber},
                     {":", tkSeparator},
                     {"Sin", tkFunction},
                     {"(", tkOpen},
                     {"x", tkName},
                     {")", tkClose}}},
        TokenizeRow{"sin2 log10 log1 3sin",
                    {{"sin2", tkName}, {"log10", tkFunction}, {"log1", tkName}, {"3sin", tkNumber}}},
        TokenizeRow{"+-*/^=():",
                    {{"+", tkOperator},
                     {"-", tkOperator},
                     {"*", tkOperator},
                     {"/", tkOperator},
                     {"^", tkOperator},
                     {"=", tkOperator},
                     {"(", tkOpen},
                     {")", tkClose},
                     {":", tkSeparator}}},
        TokenizeRow{"pi e Ans forty", {{"pi", tkName}, {"e", tkName}, {"Ans", tkName}, {"forty", tkName}}},
        TokenizeRow{"\xC3\xA9t\xC3\xA9 2", {{"\xC3\xA9t\xC3\xA9", tkName}, {"2", tkNumber}}}));

std::string Repeated(const std::string& piece, int times) {
    std::string line;
    for (int i = 0; i < times; ++i) {
        line += piece;
    }
    return line;
}

TEST(Tokenize, HoldsAtMost255Tokens) {
    EXPECT_EQ(Tokenize(Repeated("a ", 255)).Count(), 255);
    EXPECT_THROW(Tokenize(Repeated("a ", 256)), EvaluationAborted);
    EXPECT_THROW(Tokenize(Repeated("(", 300)), EvaluationAborted);
}

TEST(TokenList, SlotsOutsideTheListAbort) {
    const TokenList list = Tokenize("a b c");
    EXPECT_TRUE(list[255].IsEmpty());
    EXPECT_THROW(list[256], EvaluationAborted);
    EXPECT_THROW(list[-1], EvaluationAborted);
}

TEST(TokenList, SliceStopsAtTheStopSlotOrTheFirstEmptySlot) {
    const TokenList list = Tokenize("a b c d");
    const TokenList middle = list.Slice(2, 4);
    ASSERT_EQ(middle.Count(), 2);
    EXPECT_EQ(middle[1].Text, "b");
    EXPECT_EQ(middle[2].Text, "c");
    EXPECT_EQ(list.Slice(3, 255).Count(), 2);
    EXPECT_EQ(list.Slice(5, 255).Count(), 0);
    EXPECT_THROW(Tokenize(Repeated("a ", 255)).Slice(1, 257), EvaluationAborted) << "reads slot 256";
}

}  // namespace
}  // namespace orvanta
