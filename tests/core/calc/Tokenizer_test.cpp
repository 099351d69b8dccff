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
                    {{"x1", TokenKind::Name},
                     {"=", TokenKind::Operator},
                     {"2", TokenKind::Number},
                     {"*", TokenKind::Operator},
                     {"sin", TokenKind::Function},
                     {"(", TokenKind::Open},
                     {"0.5", TokenKind::Number},
                     {")", TokenKind::Close}}},
        TokenizeRow{"1e-5",
                    {{"1e", TokenKind::Number}, {"-", TokenKind::Operator}, {"5", TokenKind::Number}}},
        TokenizeRow{"2x + y",
                    {{"2x", TokenKind::Number}, {"+", TokenKind::Operator}, {"y", TokenKind::Name}}},
        TokenizeRow{"", {}}, TokenizeRow{"     ", {}},
        TokenizeRow{"  a   b  ", {{"a", TokenKind::Name}, {"b", TokenKind::Name}}},
        // Only the space separates words: a tab, a comma, a point belong to the word.
        TokenizeRow{"a\tb,c.d_e", {{"a\tb,c.d_e", TokenKind::Name}}},
        TokenizeRow{"\t1", {{"\t1", TokenKind::Name}}},
        TokenizeRow{"FOR i = 1 To 3 STEP 1:Sin(x)",
                    {{"FOR", TokenKind::Keyword},
                     {"i", TokenKind::Name},
                     {"=", TokenKind::Operator},
                     {"1", TokenKind::Number},
                     {"To", TokenKind::Keyword},
                     {"3", TokenKind::Number},
                     {"STEP", TokenKind::Keyword},
                     {"1", TokenKind::Number},
                     {":", TokenKind::Separator},
                     {"Sin", TokenKind::Function},
                     {"(", TokenKind::Open},
                     {"x", TokenKind::Name},
                     {")", TokenKind::Close}}},
        TokenizeRow{"sin2 log10 log1 3sin",
                    {{"sin2", TokenKind::Name},
                     {"log10", TokenKind::Function},
                     {"log1", TokenKind::Name},
                     {"3sin", TokenKind::Number}}},
        TokenizeRow{"+-*/^=():",
                    {{"+", TokenKind::Operator},
                     {"-", TokenKind::Operator},
                     {"*", TokenKind::Operator},
                     {"/", TokenKind::Operator},
                     {"^", TokenKind::Operator},
                     {"=", TokenKind::Operator},
                     {"(", TokenKind::Open},
                     {")", TokenKind::Close},
                     {":", TokenKind::Separator}}},
        TokenizeRow{"pi e Ans forty",
                    {{"pi", TokenKind::Name},
                     {"e", TokenKind::Name},
                     {"Ans", TokenKind::Name},
                     {"forty", TokenKind::Name}}},
        TokenizeRow{"\xC3\xA9t\xC3\xA9 2",
                    {{"\xC3\xA9t\xC3\xA9", TokenKind::Name}, {"2", TokenKind::Number}}}));

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
