// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <exception>
#include <string>
#include <utility>

namespace orvanta {

// Thrown when a calculator line cannot go on at all (a text that is not a
// number, a division by zero, an overflow, too many tokens). Only
// Calculator::ExecuteStatement catches it: the whole line then yields "Error",
// and the reason, a short plain-English sentence for the status line, is what
// Calculator::lastError() gives. Failures the evaluator reports as text carry
// their reason beside the text instead (see Evaluation).
class EvaluationAborted : public std::exception {
public:
    explicit EvaluationAborted(std::string reason) : reason_(std::move(reason)) {}

    const std::string& reason() const { return reason_; }
    const char* what() const noexcept override { return reason_.c_str(); }

private:
    std::string reason_;
};

}  // namespace orvanta
