// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <exception>

namespace orvanta {

// Thrown when a calculator line cannot go on at all (a text that is not a
// number, a division by zero, an overflow, too many tokens). Only
// Calculator::ExecuteStatement catches it, and the whole line then yields
// "Error"; failures the user should see with a reason are returned as text instead.
class EvaluationAborted : public std::exception {
public:
    const char* what() const noexcept override { return "calculator evaluation aborted"; }
};

}  // namespace orvanta
