// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace orvanta {

// The spans of history a user may study: all of it, or only the newest spins, so
// that a change on the wheel (a new wheel, a releveled one) is not drowned by the past.
// Each window's value is how many of the newest spins it holds; 0 holds them all.
enum class SpinWindow : std::int64_t {
    Whole = 0,
    Last37 = 37,
    Last111 = 111,
    Last370 = 370,
    Last1000 = 1000,
    Last3700 = 3700
};

inline constexpr std::array<SpinWindow, 6> kSpinWindows = {SpinWindow::Whole,    SpinWindow::Last37,
                                                           SpinWindow::Last111,  SpinWindow::Last370,
                                                           SpinWindow::Last1000, SpinWindow::Last3700};

// The window's span of the history (oldest first); all of it when the history is shorter.
std::span<const std::int8_t> SpinsInWindow(std::span<const std::int8_t> history, SpinWindow window);

// A span cut in two: comparing the halves tells a lasting bias from a passing run.
// With an odd length the newer half holds the extra spin.
struct SpanHalves {
    std::span<const std::int8_t> older;
    std::span<const std::int8_t> newer;
};

SpanHalves SplitInHalves(std::span<const std::int8_t> spins);

// Which part of a window is studied.
enum class SpanHalf { Both, Older, Newer };

inline constexpr std::array<SpanHalf, 3> kSpanHalves = {SpanHalf::Both, SpanHalf::Older, SpanHalf::Newer};

// The window of the history, or one half of it.
std::span<const std::int8_t> SpinsInSpan(std::span<const std::int8_t> history, SpinWindow window,
                                         SpanHalf half);

}  // namespace orvanta
