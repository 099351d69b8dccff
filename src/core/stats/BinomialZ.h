// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <cstdint>

namespace orvanta {

// How many standard deviations a count of hits in `trials` lies above what a
// share of `share` would bring. With no trials there is no deviation: 0.
inline double BinomialZ(std::int64_t count, std::int64_t trials, double share) {
    if (trials <= 0) {
        return 0.0;
    }
    const double n = static_cast<double>(trials);
    return (static_cast<double>(count) - n * share) / std::sqrt(n * share * (1.0 - share));
}

}  // namespace orvanta
