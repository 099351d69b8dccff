// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace orvanta::test {

// A history in which number n came countByNumber[n] times; it is written in rounds
// of 0..36 so that the newest spins are spread over every number still to come.
inline std::vector<std::int8_t> HistoryWithCounts(std::array<int, 37> countByNumber) {
    std::vector<std::int8_t> history;
    while (std::any_of(countByNumber.begin(), countByNumber.end(), [](int c) { return c > 0; })) {
        for (int n = 0; n < 37; ++n) {
            int& left = countByNumber[static_cast<std::size_t>(n)];
            if (left > 0) {
                --left;
                history.push_back(static_cast<std::int8_t>(n));
            }
        }
    }
    return history;
}

// A fair history, the same on every run.
inline std::vector<std::int8_t> FairHistory(std::size_t length, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::int8_t> history(length);
    for (std::int8_t& n : history) {
        n = static_cast<std::int8_t>(random() % 37);
    }
    return history;
}

}  // namespace orvanta::test
