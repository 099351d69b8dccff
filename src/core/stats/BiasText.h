// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/stats/SpinWindows.h"
#include "core/stats/VerdictSimulation.h"
#include "core/stats/WheelBias.h"

// A wheel-bias report in plain words, as the wheel-bias window shows it. Each text
// says what a figure means for the user's question, not only what it is.

namespace orvanta {

// The level each single test is judged at in the details.
inline constexpr double kBiasTestLevel = 0.05;

// On a fair wheel, one of the classifications' tests falls below 0.05 about 1 time
// in this many (simulated; a test checks it).
inline constexpr int kClassificationsOneIn = 4;

// The choices as the user picks them: "Whole history", "Last 1,000 spins"; "Both halves".
std::string WindowChoiceText(SpinWindow window);
std::string HalfChoiceText(SpanHalf half);

// What is being studied: "The older half of the last 1,000 spins: 500 spins".
std::string DescribeSpan(std::int64_t historySpins, SpinWindow window, SpanHalf half, std::int64_t spanSpins);

// The fixed-sample verdict: a headline, then what it assumes and what to do next.
// `findings` is null while the simulation runs.
struct VerdictWords {
    std::string headline;
    std::vector<std::string> notes;
};
VerdictWords DescribeVerdict(const WheelBiasReport& report, const VerdictFindings* findings, SpanHalf half);

// The chi-squared line of the 37 numbers, and of one classification (by its index in
// kWheelClassifications). With fewer than 5 expected hits in a cell the line says the
// test is not reliable yet and gives no p-value. A classification that stands out
// says whether it still does without its strongest number.
std::string NumbersTestText(const WheelBiasReport& report);
std::string CategoryTestText(const WheelBiasReport& report, std::size_t classification);
// What the classifications' tests, each on its own, are worth.
std::string ClassificationsNote();

// "17 came 48 times in 1,000 spins against 27.0 expected: p = 0.00014 for one
// number, 0.0050 after allowing for the best of 37." Empty with no spins.
std::string HottestNumberText(const WheelBiasReport& report);

// The arc's pockets clockwise: "26 0 32".
std::string ArcPockets(const HottestArc& arc);

// The report's arc `index` and its p-value corrected for the search, from
// `histories` simulated fair histories; "simulating..." in its place while that
// runs. An arc that stands out says whether it does without its strongest pocket.
std::string ArcText(const WheelBiasReport& report, std::size_t index, std::optional<double> correctedPValue,
                    int histories);

// What the verdict found these spins can find, what the live evidence can find over
// the whole history, and the spins each needs for the advantages worth asking about.
std::vector<std::string> PowerTexts(const WheelBiasReport& report, const VerdictFindings* findings,
                                    std::int64_t historySpins);

}  // namespace orvanta
