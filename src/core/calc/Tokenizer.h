// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "core/calc/Token.h"

namespace orvanta {

// The kind of a word: TokenKind::Number when it starts with an ASCII digit, then
// TokenKind::Function or TokenKind::Keyword ("for", "to", "step") in any letter case, else TokenKind::Name.
TokenKind ClassifyWord(std::string_view word);

// Splits a calculator line into tokens. Words are separated by spaces and by
// the delimiters ( ) + - * / ^ = :, which become tokens of their own; every
// other character belongs to a word. A line of more than 255 tokens aborts
// the evaluation (EvaluationAborted).
TokenList Tokenize(std::string_view line);

}  // namespace orvanta
