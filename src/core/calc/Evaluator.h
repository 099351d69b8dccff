// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "core/calc/EvaluationAborted.h"
#include "core/calc/Token.h"
#include "core/calc/VariableTable.h"

namespace orvanta {

// "+" "-" 1, "*" "/" 2, "^" 3, any text of two or more characters (a function
// name) 4, anything else ("=", an empty slot) 0.
int Precedence(const Token& token);

// What a statement gave: its text, and for a reported failure why it failed, in a
// short sentence for the status line ("a '(' is not closed", or a function's
// failure text such as "ASin() value out of range").
struct Evaluation {
    std::string text;
    std::string reason;  // empty when the statement did not fail
};

// Evaluates one statement: an expression, or a name, "=" and an expression.
// Returns the result text and stores it (under "Ans", or the assigned name),
// or returns the reported failure "Error" / "Error: " + a function's failure
// text and stores nothing. Anything else that goes wrong (a text that is not a
// number, a division by zero, an overflow, the square root of a negative
// number) throws EvaluationAborted with its reason, also storing nothing.
// `tokens` is not changed, so a loop body can be evaluated again and again.
Evaluation EvaluateStatement(const TokenList& tokens, VariableTable& variables);

// Why `text`, a value of a statement that ParseNumber refused, is no number: it
// names the token of `tokens` (from slot `firstSlot` on) that the value came from,
// a name that holds it ("'x' has no value"), or else gives ParseNumber's reason
// ("'2x' is no number or name"). Values the evaluator works out itself always read,
// so a value that does not came from a token as typed or from a name.
std::string NotANumberReason(const TokenList& tokens, int firstSlot, const VariableTable& variables,
                             std::string_view text, const EvaluationAborted& refusal);

// The text of EvaluateStatement alone.
std::string EvaluateTokens(const TokenList& tokens, VariableTable& variables);

}  // namespace orvanta
