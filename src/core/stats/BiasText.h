// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/stats/SpinWindows.h"
#include "core/stats/WheelBias.h"

// A wheel-bias report in plain words, as the wheel-bias window shows it. Each text
// says what a figure means for the user's question, not only what it is.

namespace orvanta {

// The level every verdict here is made at.
inline constexpr double kBiasTestLevel = 0.05;

// The choices as the user picks them: "Whole history", "Last 1,000 spins"; "Both halves".
std::string WindowChoiceText(SpinWindow window);
std::string HalfChoiceText(SpanHalf half);

// What is being studied: "The older half of the last 1,000 spins: 500 spins".
std::string DescribeSpan(std::int64_t historySpins, SpinWindow window, SpanHalf half, std::int64_t spanSpins);

// One line: "No evidence of bias at the 5 % level." or which test finds some.
// `arcsPValue` is the simulated p-value of the hottest arc of any length, once known.
std::string VerdictText(const WheelBiasReport& report, std::optional<double> arcsPValue);

// The chi-squared line of the 37 numbers, and of one classification. With fewer
// than 5 expected hits in a cell the line says the test is not reliable yet and
// gives no p-value.
std::string NumbersTestText(const WheelBiasReport& report);
std::string CategoryTestText(const CategoryTest& test);

// "17 came 48 times in 1,000 spins against 27.0 expected: p = 0.00014 for one
// number, 0.0050 after allowing for the best of 37." Empty with no spins.
std::string HottestNumberText(const WheelBiasReport& report);

// The arc's pockets clockwise: "26 0 32".
std::string ArcPockets(const HottestArc& arc);

// One arc and its p-value corrected for the search, from `histories` simulated
// fair histories; "simulating..." in its place while that runs.
std::string ArcText(const HottestArc& arc, std::optional<double> correctedPValue, int histories);

// What a history of this length can show, and what a favoured number would need.
std::vector<std::string> PowerTexts(const WheelBiasReport& report);

}  // namespace orvanta
