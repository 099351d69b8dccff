// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/Evaluator.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/calc/AsciiCase.h"
#include "core/calc/EvaluationAborted.h"
#include "core/calc/MathFunctions.h"
#include "core/calc/NumberText.h"

namespace orvanta {

namespace {

constexpr int kLastSlot = 255;

// Slots 0 to 255 of the operator/value stack; reaching outside them aborts.
// Only as many slots as the statement can use are made, so that a short
// statement (a loop body run many times) stays cheap.
class Slots {
public:
    explicit Slots(int expected) {
        slots_.resize(static_cast<std::size_t>(std::min(expected, kLastSlot) + 1));
    }

    Token& operator[](int index) {
        if (index < 0 || index > kLastSlot) {
            throw EvaluationAborted();
        }
        const auto i = static_cast<std::size_t>(index);
        if (i >= slots_.size()) {
            slots_.resize(i + 1);
        }
        return slots_[i];
    }

private:
    std::vector<Token> slots_;
};

// The output list holds at most 255 entries, in slots 1 to 255.
void AppendOutput(std::vector<Token>& output, Token token) {
    if (static_cast<int>(output.size()) >= kLastSlot) {
        throw EvaluationAborted();
    }
    output.push_back(std::move(token));
}

class StatementEvaluation {
public:
    StatementEvaluation(const TokenList& tokens, VariableTable& variables)
        // The bottom entry plus at most one entry per token.
        : variables_(variables), n_(CountUpToFirstEmpty(tokens)), stack_(n_ + 1) {
        work_.reserve(static_cast<std::size_t>(n_) + 1);
        work_.emplace_back();
        work_.insert(work_.end(), tokens.Tokens().begin(), tokens.Tokens().begin() + n_);
        output_.reserve(static_cast<std::size_t>(n_) + 1);
    }

    std::string Run() {
        TakeAssignment();
        SubstituteVariables();
        if (!ApplySigns() || !ParenthesesBalance()) {
            return "Error";
        }
        ToPostfix();
        std::string failure;
        if (!EvaluatePostfix(failure)) {
            return failure;
        }
        if (sp_ != 2) {
            return "Error";
        }
        std::string result = stack_[1].Text;
        variables_.SetVariable(target_, result);
        return result;
    }

private:
    static int CountUpToFirstEmpty(const TokenList& tokens) {
        int n = 0;
        for (const Token& token : tokens.Tokens()) {
            if (token.IsEmpty()) {
                break;
            }
            ++n;
        }
        return n;
    }

    Token& Work(int i) { return work_[static_cast<std::size_t>(i)]; }

    void TakeAssignment() {
        if (n_ >= 2 && Work(2).Text == "=" && Work(1).Kind == tkName) {
            target_ = std::move(Work(1).Text);
            Work(1) = Token{};
            Work(2) = Token{};
            if (EqualIgnoringAsciiCase(target_, "ans")) {
                target_ = "Ans";
            }
        }
    }

    void SubstituteVariables() {
        for (int i = 1; i <= n_; ++i) {
            if (Work(i).Kind == tkName) {
                Work(i).Text = variables_.GetVariable(Work(i).Text);
                Work(i).Kind = tkNumber;
            }
        }
    }

    // A "-" where an operand is due negates the number behind it; any other
    // operator there is an error.
    bool ApplySigns() {
        for (int i = 0; i <= n_ - 2; ++i) {
            const Token& before = Work(i);
            Token& sign = Work(i + 1);
            Token& number = Work(i + 2);
            if (sign.Kind != tkOperator || number.Kind != tkNumber || before.Kind == tkNumber ||
                before.Kind == tkClose) {
                continue;
            }
            if (sign.Text != "-") {
                return false;
            }
            number.Text = FormatNumber(-ParseNumber(number.Text));
            sign = Token{};
        }
        return true;
    }

    bool ParenthesesBalance() {
        int depth = 0;
        for (int i = 1; i <= n_; ++i) {
            if (Work(i).Kind == tkOpen) {
                ++depth;
            } else if (Work(i).Kind == tkClose) {
                --depth;
            }
            if (depth < 0) {
                return false;
            }
        }
        return depth == 0;
    }

    const Token& Top() { return stack_[sp_ - 1]; }

    void Push(Token token) {
        stack_[sp_] = std::move(token);
        ++sp_;
    }

    void PopToOutput() {
        --sp_;
        AppendOutput(output_, std::move(stack_[sp_]));
        stack_[sp_] = Token{};
    }

    // The stack starts with an empty bottom entry of precedence 0; an "=" that
    // arrives on an otherwise empty stack pops that entry and takes its place.
    void ToPostfix() {
        for (int i = 1; i <= n_; ++i) {
            Token& token = Work(i);
            switch (token.Kind) {
                case tkNumber:
                    AppendOutput(output_, std::move(token));
                    break;
                case tkOpen:
                    Push(std::move(token));
                    break;
                case tkClose:
                    while (Top().Kind != tkOpen) {
                        PopToOutput();
                    }
                    --sp_;
                    stack_[sp_] = Token{};
                    break;
                case tkOperator:
                case tkFunction: {
                    const int precedence = Precedence(token);
                    if (Top().Kind != tkOpen && Precedence(Top()) >= precedence) {
                        PopToOutput();
                        while (sp_ > 1 && Top().Kind != tkOpen && Precedence(Top()) >= precedence) {
                            PopToOutput();
                        }
                    }
                    Push(std::move(token));
                    break;
                }
                default:
                    break;
            }
        }
        while (sp_ != 1) {
            PopToOutput();
        }
    }

    double PopOperand() {
        const double value = ParseNumber(stack_[sp_ - 1].Text);
        stack_[sp_ - 1] = Token{};
        --sp_;
        return value;
    }

    static double Checked(double value) {
        if (!std::isfinite(value)) {
            throw EvaluationAborted();
        }
        return value;
    }

    static double Apply(char op, double left, double right) {
        switch (op) {
            case '+':
                return Checked(left + right);
            case '-':
                return Checked(left - right);
            case '*':
                return Checked(left * right);
            case '/':
                if (right == 0.0) {
                    throw EvaluationAborted();
                }
                return Checked(left / right);
            case '^':
                // No real value (a negative base to a fractional power) and
                // 0 to a negative power both come out non-finite.
                return Checked(std::pow(left, right));
            default:
                return 0.0;  // "="
        }
    }

    // False with `failure` set when a function reports a failure text.
    bool EvaluatePostfix(std::string& failure) {
        for (Token& entry : output_) {
            if (entry.Kind == tkNumber) {
                Push(std::move(entry));
            } else if (entry.Kind == tkOperator) {
                const double right = PopOperand();
                const double left = PopOperand();
                Push(Token{FormatNumber(Apply(entry.Text[0], left, right)), tkNumber});
            } else if (entry.Kind == tkFunction) {
                const double argument = PopOperand();
                const MathResult result = ApplyFunction(entry.Text, argument);
                if (result.Failed()) {
                    failure = "Error: ";
                    failure.append(result.failure);
                    return false;
                }
                Push(Token{FormatNumber(result.value), tkNumber});
            }
        }
        return true;
    }

    VariableTable& variables_;
    int n_;
    std::vector<Token> work_;  // slot 0 stays empty
    std::string target_ = "Ans";
    std::vector<Token> output_;
    Slots stack_;
    int sp_ = 1;
};

}  // namespace

int Precedence(const Token& token) {
    const std::string& text = token.Text;
    if (text.size() >= 2) {
        return 4;
    }
    if (text == "+" || text == "-") {
        return 1;
    }
    if (text == "*" || text == "/") {
        return 2;
    }
    if (text == "^") {
        return 3;
    }
    return 0;
}

std::string EvaluateTokens(const TokenList& tokens, VariableTable& variables) {
    return StatementEvaluation(tokens, variables).Run();
}

}  // namespace orvanta
