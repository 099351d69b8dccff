// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/Evaluator.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/calc/AsciiCase.h"
#include "core/calc/EvaluationAborted.h"
#include "core/calc/FailureText.h"
#include "core/calc/MathFunctions.h"
#include "core/calc/NumberText.h"

namespace orvanta {

namespace {

constexpr int kLastSlot = 255;
constexpr const char* kTooLong = "the statement is too long to evaluate";

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
            throw EvaluationAborted(kTooLong);
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
        throw EvaluationAborted(kTooLong);
    }
    output.push_back(std::move(token));
}

class StatementEvaluation {
public:
    StatementEvaluation(const TokenList& tokens, VariableTable& variables)
        // The bottom entry plus at most one entry per token.
        : source_(tokens), variables_(variables), n_(CountUpToFirstEmpty(tokens)), stack_(n_ + 1) {
        work_.reserve(static_cast<std::size_t>(n_) + 1);
        work_.emplace_back();
        work_.insert(work_.end(), tokens.Tokens().begin(), tokens.Tokens().begin() + n_);
        output_.reserve(static_cast<std::size_t>(n_) + 1);
    }

    Evaluation Run() {
        TakeAssignment();
        SubstituteVariables();
        if (std::string reason = ApplySigns(); !reason.empty()) {
            return {"Error", std::move(reason)};
        }
        if (std::string reason = UnbalancedBracket(); !reason.empty()) {
            return {"Error", std::move(reason)};
        }
        ToPostfix();
        if (std::optional<Evaluation> failure = EvaluatePostfix()) {
            return *std::move(failure);
        }
        if (sp_ != 2) {
            return {"Error", LeftOverReason()};
        }
        std::string result = stack_[1].Text;
        variables_.SetVariable(target_, result);
        return {std::move(result), {}};
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
        if (n_ >= 2 && Work(2).Text == "=" && Work(1).Kind == TokenKind::Name) {
            target_ = std::move(Work(1).Text);
            Work(1) = Token{};
            Work(2) = Token{};
            if (EqualIgnoringAsciiCase(target_, "ans")) {
                target_ = "Ans";
            }
            firstOperandSlot_ = 3;
        }
    }

    void SubstituteVariables() {
        for (int i = 1; i <= n_; ++i) {
            if (Work(i).Kind == TokenKind::Name) {
                Work(i).Text = variables_.GetVariable(Work(i).Text);
                Work(i).Kind = TokenKind::Number;
            }
        }
    }

    // A "-" where an operand is due negates the number behind it; any other
    // operator there is an error, whose reason this returns.
    std::string ApplySigns() {
        for (int i = 0; i <= n_ - 2; ++i) {
            const Token& before = Work(i);
            Token& sign = Work(i + 1);
            Token& number = Work(i + 2);
            if (sign.Kind != TokenKind::Operator || number.Kind != TokenKind::Number ||
                before.Kind == TokenKind::Number || before.Kind == TokenKind::Close) {
                continue;
            }
            if (sign.Text != "-") {
                return Quoted(sign.Text) + " stands where a number is expected";
            }
            number.Text = FormatNumber(-Number(number.Text));
            sign = Token{};
        }
        return {};
    }

    // Empty when the brackets balance.
    std::string UnbalancedBracket() {
        int depth = 0;
        for (int i = 1; i <= n_; ++i) {
            if (Work(i).Kind == TokenKind::Open) {
                ++depth;
            } else if (Work(i).Kind == TokenKind::Close) {
                --depth;
            }
            if (depth < 0) {
                return "a ')' has no '(' before it";
            }
        }
        return depth == 0 ? std::string() : "a '(' is not closed";
    }

    // A word that starts with a digit but is no number leaves values without an
    // operator between them ("x = 2for i"), so it is named first; it is the likely
    // slip. Otherwise the statement held nothing, or too many values.
    std::string LeftOverReason() const {
        for (const Token& token : source_.Tokens()) {
            if (token.Kind == TokenKind::Number) {
                try {
                    ParseNumber(token.Text);
                } catch (const EvaluationAborted& notANumber) {
                    return notANumber.reason();
                }
            }
        }
        return sp_ < 2 ? "nothing to evaluate" : "an operator is missing between two values";
    }

    // ParseNumber, with a reason that names where a text that is no number came from.
    double Number(const std::string& text) const {
        try {
            return ParseNumber(text);
        } catch (const EvaluationAborted& notANumber) {
            throw EvaluationAborted(
                NotANumberReason(source_, firstOperandSlot_, variables_, text, notANumber));
        }
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
                case TokenKind::Number:
                    AppendOutput(output_, std::move(token));
                    break;
                case TokenKind::Open:
                    Push(std::move(token));
                    break;
                case TokenKind::Close:
                    while (Top().Kind != TokenKind::Open) {
                        PopToOutput();
                    }
                    --sp_;
                    stack_[sp_] = Token{};
                    break;
                case TokenKind::Operator:
                case TokenKind::Function: {
                    const int precedence = Precedence(token);
                    if (Top().Kind != TokenKind::Open && Precedence(Top()) >= precedence) {
                        PopToOutput();
                        while (sp_ > 1 && Top().Kind != TokenKind::Open && Precedence(Top()) >= precedence) {
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

    // The operand of `user` on top of the stack; the bottom entry is no operand.
    double PopOperand(const Token& user) {
        if (sp_ - 1 < 1) {
            throw EvaluationAborted(Quoted(user.Text) + " lacks a value");
        }
        const double value = Number(stack_[sp_ - 1].Text);
        stack_[sp_ - 1] = Token{};
        --sp_;
        return value;
    }

    // A non-finite result: no real value (a negative base to a fractional power),
    // 0 to a negative power, or an overflow.
    static double Checked(double value, char op, double left, double right) {
        if (std::isfinite(value)) {
            return value;
        }
        std::string operation = FormatNumber(left);
        operation.append({' ', op, ' '});
        operation.append(FormatNumber(right));
        if (std::isnan(value)) {
            throw EvaluationAborted(operation + " has no real value");
        }
        if (op == '^' && left == 0.0) {
            throw EvaluationAborted(operation + " divides by zero");
        }
        throw EvaluationAborted("the result of " + operation + " is too large");
    }

    static double Apply(char op, double left, double right) {
        switch (op) {
            case '+':
                return Checked(left + right, op, left, right);
            case '-':
                return Checked(left - right, op, left, right);
            case '*':
                return Checked(left * right, op, left, right);
            case '/':
                if (right == 0.0) {
                    throw EvaluationAborted("division by zero");
                }
                return Checked(left / right, op, left, right);
            case '^':
                return Checked(std::pow(left, right), op, left, right);
            default:
                return 0.0;  // "="
        }
    }

    // The reported failure of a function that gave a failure text, if one did.
    std::optional<Evaluation> EvaluatePostfix() {
        for (Token& entry : output_) {
            if (entry.Kind == TokenKind::Number) {
                Push(std::move(entry));
            } else if (entry.Kind == TokenKind::Operator) {
                const double right = PopOperand(entry);
                const double left = PopOperand(entry);
                Push(Token{FormatNumber(Apply(entry.Text[0], left, right)), TokenKind::Number});
            } else if (entry.Kind == TokenKind::Function) {
                const double argument = PopOperand(entry);
                const MathResult result = ApplyFunction(entry.Text, argument);
                if (result.Failed()) {
                    return Evaluation{"Error: " + std::string(result.failure), std::string(result.failure)};
                }
                Push(Token{FormatNumber(result.value), TokenKind::Number});
            }
        }
        return std::nullopt;
    }

    const TokenList& source_;
    VariableTable& variables_;
    int n_;
    int firstOperandSlot_ = 1;  // 3 after an assignment's name and "="
    std::vector<Token> work_;   // slot 0 stays empty
    std::string target_ = "Ans";
    std::vector<Token> output_;
    Slots stack_;
    int sp_ = 1;
};

}  // namespace

std::string NotANumberReason(const TokenList& tokens, int firstSlot, const VariableTable& variables,
                             std::string_view text, const EvaluationAborted& refusal) {
    for (int slot = firstSlot; slot <= tokens.Count(); ++slot) {
        const Token& token = tokens[slot];
        if (token.Kind == TokenKind::Number && token.Text == text) {
            break;
        }
        if (token.Kind == TokenKind::Name && variables.GetVariable(token.Text) == text) {
            return text.empty() ? Quoted(token.Text) + " has no value"
                                : Quoted(token.Text) + " holds " + Quoted(text) + ", which is no number";
        }
    }
    return refusal.reason();
}

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

Evaluation EvaluateStatement(const TokenList& tokens, VariableTable& variables) {
    return StatementEvaluation(tokens, variables).Run();
}

std::string EvaluateTokens(const TokenList& tokens, VariableTable& variables) {
    return EvaluateStatement(tokens, variables).text;
}

}  // namespace orvanta
