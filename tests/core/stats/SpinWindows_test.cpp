// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/SpinWindows.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvanta {
namespace {

TEST(SpinWindows, WindowHoldsTheNewestSpinsAndSplitsOlderFromNewer) {
    std::vector<std::int8_t> history(5000);
    for (std::size_t i = 0; i < history.size(); ++i) {
        history[i] = static_cast<std::int8_t>(i % 37);
    }
    const std::pair<SpinWindow, std::size_t> rows[] = {
        {SpinWindow::Whole, 5000}, {SpinWindow::Last37, 37}, {SpinWindow::Last3700, 3700}};
    for (const auto& [window, length] : rows) {
        const auto span = SpinsInWindow(history, window);
        EXPECT_EQ(span.size(), length);
        EXPECT_EQ(&span.back(), &history.back());
        // A history shorter than the window is studied whole.
        EXPECT_EQ(SpinsInWindow(std::span(history).first(30), window).size(), 30u);
    }
    const SpanHalves halves = SplitInHalves(std::span(history).first(5));
    EXPECT_EQ(halves.older.size(), 2u);
    EXPECT_EQ(halves.newer.front(), 2);
    EXPECT_EQ(halves.newer.size(), 3u);
    EXPECT_EQ(SpinsInSpan(history, SpinWindow::Last37, SpanHalf::Newer).size(), 19u);
    EXPECT_EQ(&SpinsInSpan(history, SpinWindow::Last37, SpanHalf::Older).front(), &history[5000 - 37]);
}

}  // namespace
}  // namespace orvanta
