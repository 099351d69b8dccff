// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/Tokenizer.h"

#include <string>

#include "core/calc/AsciiCase.h"
#include "core/calc/MathFunctions.h"

namespace orvanta {

namespace {

// The kind of a delimiter token; TokenKind::Empty for the space and for word characters.
TokenKind DelimiterKind(char c) {
    switch (c) {
        case '(':
            return TokenKind::Open;
        case ')':
            return TokenKind::Close;
        case ':':
            return TokenKind::Separator;
        case '+':
        case '-':
        case '*':
        case '/':
        case '^':
        case '=':
            return TokenKind::Operator;
        default:
            return TokenKind::Empty;
    }
}

}  // namespace

TokenKind ClassifyWord(std::string_view word) {
    if (!word.empty() && word.front() >= '0' && word.front() <= '9') {
        return TokenKind::Number;
    }
    if (IsFunctionName(word)) {
        return TokenKind::Function;
    }
    if (EqualIgnoringAsciiCase(word, "for") || EqualIgnoringAsciiCase(word, "to") ||
        EqualIgnoringAsciiCase(word, "step")) {
        return TokenKind::Keyword;
    }
    return TokenKind::Name;
}

TokenList Tokenize(std::string_view line) {
    // Only the space is trimmed and separates words; a tab is a word character.
    while (!line.empty() && line.front() == ' ') {
        line.remove_prefix(1);
    }
    while (!line.empty() && line.back() == ' ') {
        line.remove_suffix(1);
    }

    TokenList tokens;
    std::string word;
    const auto closeWord = [&] {
        if (!word.empty()) {
            const TokenKind kind = ClassifyWord(word);
            tokens.Append(std::move(word), kind);
            word.clear();
        }
    };
    for (const char c : line) {
        const TokenKind delimiter = DelimiterKind(c);
        if (delimiter == TokenKind::Empty && c != ' ') {
            word.push_back(c);
            continue;
        }
        closeWord();
        if (delimiter != TokenKind::Empty) {
            tokens.Append(std::string(1, c), delimiter);
        }
    }
    closeWord();
    return tokens;
}

}  // namespace orvanta
