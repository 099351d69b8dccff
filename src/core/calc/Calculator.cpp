// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/Calculator.h"

#include <exception>
#include <utility>

#include "core/calc/EvaluationAborted.h"
#include "core/calc/Evaluator.h"
#include "core/calc/FailureText.h"
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

// Why a loop that would run is refused, or empty when it ends within the limit.
// Counts the passes with the loop's own double arithmetic, so that a counter that
// stops moving (1e16 + 1 is 1e16) is caught as endless too.
std::string RunawayReason(double start, double end, double step) {
    if (step == 0.0) {
        return "a step of 0 would never end";
    }
    int passes = 0;
    for (double counter = start; PassRuns(counter, end, step); counter += step) {
        if (counter + step == counter) {
            return "the counter stops moving at " + FormatNumber(counter);
        }
        if (++passes > Calculator::kMaxLoopPasses) {
            return "a loop of more than " + WithThousands(Calculator::kMaxLoopPasses) + " passes";
        }
    }
    return {};
}

std::string InPass(std::string_view name, double counter) {
    return " (at " + Shortened(name) + " = " + FormatNumber(counter) + ")";
}

}  // namespace

void Calculator::InitCalculator() {
    variables_.SetSlotName(1, "Ans");
}

std::string Calculator::ExecuteStatement(std::string_view line, std::stop_token stop) {
    lastError_.clear();
    try {
        const TokenList tokens = Tokenize(line);
        if (tokens[1].Text == "for") {
            return RunLoop(tokens, stop);
        }
        Evaluation evaluation = EvaluateStatement(tokens, variables_);
        lastError_ = std::move(evaluation.reason);
        return std::move(evaluation.text);
    } catch (const EvaluationAborted& aborted) {
        lastError_ = aborted.reason();
        return "Error";
    } catch (const std::exception&) {
        // Out of memory while building a huge output, for instance: the line
        // fails, the program goes on.
        lastError_ = "not enough memory for the result";
        return "Error";
    }
}

std::string Calculator::EvaluateBound(const TokenList& tokens, std::string_view part) {
    Evaluation evaluation = EvaluateStatement(tokens, variables_);
    if (IsErrorText(evaluation.text)) {
        lastError_ = evaluation.reason + " in the loop's " + std::string(part);
        return "Error";
    }
    return std::move(evaluation.text);
}

std::string Calculator::RunLoop(const TokenList& line, const std::stop_token& stop) {
    if (line[2].Kind != TokenKind::Name || line[3].Text != "=") {
        return {};
    }

    const int to = FindStop(line, 4, "to", "to");
    const TokenList startTokens = line.Slice(4, to);
    const std::string startText = EvaluateBound(startTokens, "START");
    if (line[to].Text != "to") {
        lastError_ = "the loop has no 'to'";
        return "Error";
    }
    if (IsErrorText(startText)) {
        return "Error";
    }

    const int endStop = FindStop(line, to + 1, "step", ":");
    const TokenList endTokens = line.Slice(to + 1, endStop);
    const std::string endText = EvaluateBound(endTokens, "END");
    if (IsErrorText(endText)) {
        return "Error";
    }

    std::string stepText = "1";
    TokenList stepTokens;
    int separator = endStop;
    if (line[endStop].Text == "step") {
        const int stepStop = FindStop(line, endStop + 1, "step", ":");
        stepTokens = line.Slice(endStop + 1, stepStop);
        stepText = EvaluateBound(stepTokens, "STEP");
        if (IsErrorText(stepText)) {
            return "Error";
        }
        // The step is one token: a number or a variable (a negative step needs one).
        separator = endStop + 2;
        if (line[separator].Kind != TokenKind::Separator) {
            lastError_ = "the loop's STEP must be one number or name, then ':'";
            return "Error";
        }
    } else if (line[separator].Kind != TokenKind::Separator) {
        lastError_ = "the loop has no ':' before its body";
        return "Error";
    }
    // Runs to the end of the line; a body reaching past slot 255 aborts.
    const TokenList body = line.Slice(separator + 1, TokenList::kLastSlot + 2);

    const double start = BoundNumber(startTokens, startText, "START");
    const double end = BoundNumber(endTokens, endText, "END");
    const double step = BoundNumber(stepTokens, stepText, "STEP");
    // Only a loop that would run refuses a step of zero: one whose first pass
    // would not run ends at once like any other, whatever its step.
    if (!PassRuns(start, end, step)) {
        return {};
    }
    if (std::string runaway = RunawayReason(start, end, step); !runaway.empty()) {
        lastError_ = std::move(runaway);
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
        Evaluation pass;
        try {
            pass = EvaluateStatement(body, variables_);
        } catch (const EvaluationAborted& aborted) {
            throw EvaluationAborted(aborted.reason() + InPass(name, counter));
        }
        if (lastError_.empty() && !pass.reason.empty()) {
            lastError_ = pass.reason + InPass(name, counter);
        }
        if (!firstPass) {
            output.append("\r\n");
        }
        output.append(pass.text);
        firstPass = false;
    }
    return output;
}

double Calculator::BoundNumber(const TokenList& tokens, const std::string& text,
                               std::string_view part) const {
    try {
        return ParseNumber(text);
    } catch (const EvaluationAborted& refusal) {
        throw EvaluationAborted(NotANumberReason(tokens, 1, variables_, text, refusal) + " in the loop's " +
                                std::string(part));
    }
}

}  // namespace orvanta
