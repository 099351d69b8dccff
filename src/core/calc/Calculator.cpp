// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/Calculator.h"

#include <exception>

#include "core/calc/EvaluationAborted.h"
#include "core/calc/Evaluator.h"
#include "core/calc/NumberText.h"
#include "core/calc/Tokenizer.h"

namespace orvanta {

namespace {

bool IsErrorText(std::string_view text) {
    return text.substr(0, 5) == "Error";
}

// The first slot from `first` on whose text is one of the two given, or slot
// 255 when none is found before it.
int FindStop(const TokenList& line, int first, std::string_view text1, std::string_view text2) {
    int slot = first;
    while (slot < TokenList::kLastSlot && line[slot].Text != text1 && line[slot].Text != text2) {
        ++slot;
    }
    return slot;
}

// A step of zero counts upwards: with START above END it runs no pass.
bool PassRuns(double counter, double end, double step) {
    return step >= 0.0 ? !(counter > end) : !(counter < end);
}

// Counts the passes with the loop's own double arithmetic, so that a counter
// that stops moving (1e16 + 1 is 1e16) is counted as endless too.
bool RunsTooLong(double start, double end, double step) {
    int passes = 0;
    for (double counter = start; PassRuns(counter, end, step); counter += step) {
        if (++passes > Calculator::kMaxLoopPasses) {
            return true;
        }
    }
    return false;
}

}  // namespace

void Calculator::InitCalculator() {
    variables_.SetSlotName(1, "Ans");
}

std::string Calculator::ExecuteStatement(std::string_view line, std::stop_token stop) {
    try {
        const TokenList tokens = Tokenize(line);
        if (tokens[1].Text == "for") {
            return RunLoop(tokens, stop);
        }
        return EvaluateTokens(tokens, variables_);
    } catch (const EvaluationAborted&) {
        return "Error";
    } catch (const std::exception&) {
        // Out of memory while building a huge output, for instance: the line
        // fails, the program goes on.
        return "Error";
    }
}

std::string Calculator::RunLoop(const TokenList& line, const std::stop_token& stop) {
    if (line[2].Kind != tkName || line[3].Text != "=") {
        return {};
    }

    const int to = FindStop(line, 4, "to", "to");
    const std::string startText = EvaluateTokens(line.Slice(4, to), variables_);
    if (IsErrorText(startText) || line[to].Text != "to") {
        return "Error";
    }

    const int endStop = FindStop(line, to + 1, "step", ":");
    const std::string endText = EvaluateTokens(line.Slice(to + 1, endStop), variables_);
    if (IsErrorText(endText)) {
        return "Error";
    }

    std::string stepText = "1";
    int separator = endStop;
    if (line[endStop].Text == "step") {
        const int stepStop = FindStop(line, endStop + 1, "step", ":");
        stepText = EvaluateTokens(line.Slice(endStop + 1, stepStop), variables_);
        if (IsErrorText(stepText)) {
            return "Error";
        }
        // The step is one token: a number or a variable (a negative step needs one).
        separator = endStop + 2;
    }
    if (line[separator].Kind != tkSeparator) {
        return "Error";
    }
    // Runs to the end of the line; a body reaching past slot 255 aborts.
    const TokenList body = line.Slice(separator + 1, TokenList::kLastSlot + 2);

    const double start = ParseNumber(startText);
    const double end = ParseNumber(endText);
    const double step = ParseNumber(stepText);
    // Only a loop that would run refuses a step of zero: one whose first pass
    // would not run ends at once like any other, whatever its step.
    if (!PassRuns(start, end, step)) {
        return {};
    }
    if (step == 0.0 || RunsTooLong(start, end, step)) {
        return "Error";
    }

    const std::string& name = line[2].Text;
    std::string output;
    bool firstPass = true;
    for (double counter = start; PassRuns(counter, end, step); counter += step) {
        if (stop.stop_requested()) {
            return {};
        }
        variables_.SetVariable(name, FormatNumber(counter));
        const std::string result = EvaluateTokens(body, variables_);
        if (!firstPass) {
            output.append("\r\n");
        }
        output.append(result);
        firstPass = false;
    }
    return output;
}

}  // namespace orvanta
