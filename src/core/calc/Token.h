// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvanta {

// The numbers are fixed: the evaluator's rules are written in terms of them.
enum class TokenKind : std::int16_t {
    Empty = 0,
    Open = 1,
    Close = 2,
    Operator = 3,
    Number = 4,
    Name = 5,
    Function = 6,
    Separator = 7,
    Keyword = 8,
};

// NOLINTBEGIN(readability-identifier-naming): the fields of a documented record keep
// the names that tools and tests outside the program know.
struct Token {
    std::string Text;  // as typed, letter case kept
    TokenKind Kind = TokenKind::Empty;

    bool IsEmpty() const { return Kind == TokenKind::Empty && Text.empty(); }
};
// NOLINTEND(readability-identifier-naming)

// Slots 0 to 255; slot 0 is never used, tokens fill slots 1, 2, 3, ... and the
// list ends at the first empty slot. Reading any slot past the stored tokens
// gives an empty token; reading outside 0 to 255 aborts the evaluation, as
// does appending a 256th token.
class TokenList {
public:
    static constexpr int kLastSlot = 255;

    const Token& operator[](int slot) const;
    int Count() const { return static_cast<int>(tokens_.size()); }
    // Slots 1 to Count() in order.
    const std::vector<Token>& Tokens() const { return tokens_; }

    void Append(Token token);
    void Append(std::string text, TokenKind kind) { Append(Token{std::move(text), kind}); }

    // A fresh list holding slots first, first + 1, ... up to, and not including,
    // slot stop or the first empty slot, whichever comes sooner.
    TokenList Slice(int first, int stop) const;

private:
    std::vector<Token> tokens_;  // slot i is tokens_[i - 1]
};

}  // namespace orvanta
