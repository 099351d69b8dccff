// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "core/calc/Token.h"
#include "core/calc/VariableTable.h"

namespace orvanta {

// "+" "-" 1, "*" "/" 2, "^" 3, any text of two or more characters (a function
// name) 4, anything else ("=", an empty slot) 0.
int Precedence(const Token& token);

// Evaluates one statement: an expression, or a name, "=" and an expression.
// Returns the result text and stores it (under "Ans", or the assigned name),
// or returns the reported failure "Error" / "Error: " + a function's failure
// text and stores nothing. Anything else that goes wrong (a text that is not a
// number, a division by zero, an overflow, the square root of a negative
// number) throws EvaluationAborted, also storing nothing. `tokens` is not
// changed, so a loop body can be evaluated again and again.
std::string EvaluateTokens(const TokenList& tokens, VariableTable& variables);

}  // namespace orvanta
