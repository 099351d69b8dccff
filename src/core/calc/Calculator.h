// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stop_token>
#include <string>
#include <string_view>

#include "core/calc/Token.h"
#include "core/calc/VariableTable.h"

namespace orvanta {

// The calculator behind the "Calculator" tab: one line in, one text out, and
// the variable table that lives as long as the calculator.
class Calculator {
public:
    // A loop that would run more passes than this yields "Error" before its
    // first pass, so that no line can keep the window busy for long.
    static constexpr int kMaxLoopPasses = 1'000'000;

    // The start-up step of the panel: slot 1 is named "Ans", its value empty.
    void InitCalculator();

    // Runs a single statement, or a counted loop
    //   for NAME = START to END [step STEP] : BODY
    // whose pass results are joined by CR LF. Always returns a text: a value,
    // empty text, "Error" or "Error: " followed by a function's failure text.
    //
    // A loop checks `stop` before every pass, so a line evaluated on another
    // thread can be abandoned at once; a stopped line leaves the table part-way
    // through the loop and its text of no use, so the caller works on a copy of
    // the calculator and drops it.
    std::string ExecuteStatement(std::string_view line, std::stop_token stop = {});

    // Why the last line's text holds an error, in a short sentence for the status
    // line ("'2for' is no number or name", "division by zero", or a function's
    // failure text); for a loop, the first pass that failed, or why the loop
    // itself did. Empty after a line that did not fail.
    const std::string& lastError() const { return lastError_; }

    const std::string& GetVariable(std::string_view name) const { return variables_.GetVariable(name); }
    void SetVariable(std::string_view name, std::string_view value) { variables_.SetVariable(name, value); }
    // Slots 1 to 255 as the variable grid shows them.
    const Variable& Slot(int index) const { return variables_.Slot(index); }
    const VariableTable& Variables() const { return variables_; }
    // Removes the variable in slot `index` (2 and up: "Ans" stays in slot 1);
    // the slots after it move up one, so the slots in use stay 1..k.
    bool RemoveVariable(int index) { return index >= 2 && variables_.RemoveSlot(index); }

private:
    std::string RunLoop(const TokenList& line, const std::stop_token& stop);
    // The text of START, END or STEP, or "Error" with the reason kept.
    std::string EvaluateBound(const TokenList& tokens, std::string_view part);
    // ParseNumber of a bound's text; what is no number aborts with the reason.
    double BoundNumber(const TokenList& tokens, const std::string& text, std::string_view part) const;

    VariableTable variables_;
    std::string lastError_;
};

}  // namespace orvanta
