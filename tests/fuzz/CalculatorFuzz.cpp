// SPDX-License-Identifier: GPL-3.0-or-later

// Runs every line of the input through one calculator, so that variables set
// by one line are read by the next, as in a session on the Calculator tab.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/calc/Calculator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orvanta::Calculator calculator;
    calculator.InitCalculator();
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        const std::string result = calculator.ExecuteStatement(line);
        calculator.SetVariable("Ans", result);
        if (end == std::string_view::npos) {
            break;
        }
        input.remove_prefix(end + 1);
    }
    return 0;
}
