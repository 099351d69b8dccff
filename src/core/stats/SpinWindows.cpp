// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/SpinWindows.h"

namespace orvanta {

std::span<const std::int8_t> SpinsInWindow(std::span<const std::int8_t> history, SpinWindow window) {
    const auto length = static_cast<std::size_t>(window);
    if (length == 0 || length >= history.size()) {
        return history;
    }
    return history.last(length);
}

SpanHalves SplitInHalves(std::span<const std::int8_t> spins) {
    const std::size_t olderLength = spins.size() / 2;
    return {spins.first(olderLength), spins.subspan(olderLength)};
}

std::span<const std::int8_t> SpinsInSpan(std::span<const std::int8_t> history, SpinWindow window,
                                         SpanHalf half) {
    const std::span<const std::int8_t> spins = SpinsInWindow(history, window);
    switch (half) {
        case SpanHalf::Older:
            return SplitInHalves(spins).older;
        case SpanHalf::Newer:
            return SplitInHalves(spins).newer;
        case SpanHalf::Both:
            break;
    }
    return spins;
}

}  // namespace orvanta
