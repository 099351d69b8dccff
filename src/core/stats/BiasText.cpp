// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/BiasText.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/stats/FigureText.h"
#include "core/stats/PearsonTest.h"

namespace orvanta {
namespace {

std::string Spins(std::int64_t count) {
    return FormatCount(count) + (count == 1 ? " spin" : " spins");
}

std::string Times(std::int64_t count) {
    if (count == 1) {
        return "once";
    }
    return FormatCount(count) + " times";
}

// "p = 0.017", or "p < 0.000001" where the figure is too small to write.
std::string PText(double p) {
    const std::string figure = FormatProbability(p);
    return figure.front() == '<' ? "p " + figure : "p = " + figure;
}

// Small expectations need a second decimal to say anything: 0.03 rather than 0.0.
std::string Expected(double expected) {
    return FormatFixed(expected, expected < 1.0 ? 2 : 1);
}

std::string ChiSquarePart(double chiSquare, int degreesOfFreedom) {
    return "\u03c7\u00b2 = " + FormatFixed(chiSquare, 2) + " with " + std::to_string(degreesOfFreedom) +
           " degrees of freedom";
}

// The spins from which every cell expects at least 5 hits; cells scale with the spins.
std::int64_t SpinsForReliability(std::int64_t spins, double smallestExpected) {
    return static_cast<std::int64_t>(
        std::ceil(kReliableExpectedCount * static_cast<double>(spins) / smallestExpected - 1e-9));
}

std::string TestLine(const std::string& name, std::int64_t spins, double chiSquare, int degreesOfFreedom,
                     std::optional<double> pValue, bool reliable, double smallestExpected, const char* cell) {
    if (spins == 0 || !pValue) {
        return name + ": nothing to test yet.";
    }
    std::string line = name + ": " + ChiSquarePart(chiSquare, degreesOfFreedom);
    if (!reliable) {
        return line + "; not reliable yet, with fewer than 5 expected hits " + cell + " (reliable from " +
               Spins(SpinsForReliability(spins, smallestExpected)) + ").";
    }
    line += ", " + PText(*pValue) + ".";
    if (*pValue < kBiasTestLevel) {
        line += " Stands out at the 5 % level on its own.";
    }
    return line;
}

const HottestArc* HottestOfAllArcs(const WheelBiasReport& report) {
    const auto hottest = std::max_element(report.arcs.begin(), report.arcs.end(),
                                          [](const HottestArc& a, const HottestArc& b) { return a.z < b.z; });
    return hottest == report.arcs.end() ? nullptr : &*hottest;
}

}  // namespace

std::string WindowChoiceText(SpinWindow window) {
    if (window == SpinWindow::Whole) {
        return "Whole history";
    }
    return "Last " + Spins(static_cast<std::int64_t>(window));
}

std::string HalfChoiceText(SpanHalf half) {
    switch (half) {
        case SpanHalf::Older:
            return "Older half";
        case SpanHalf::Newer:
            return "Newer half";
        case SpanHalf::Both:
            break;
    }
    return "Both halves";
}

std::string DescribeSpan(std::int64_t historySpins, SpinWindow window, SpanHalf half,
                         std::int64_t spanSpins) {
    const auto windowLength = static_cast<std::int64_t>(window);
    std::string text = window == SpinWindow::Whole ? "the whole history" : "the last " + Spins(windowLength);
    if (window != SpinWindow::Whole && historySpins < windowLength) {
        text += " (only " + FormatCount(historySpins) + " so far)";
    }
    if (half != SpanHalf::Both) {
        text = (half == SpanHalf::Older ? "the older half of " : "the newer half of ") + text;
    }
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text + ": " + Spins(spanSpins);
}

std::string VerdictText(const WheelBiasReport& report, std::optional<double> arcsPValue) {
    if (report.spins == 0) {
        return "Nothing to test yet: there are no spins here.";
    }
    std::vector<std::string> findings;
    if (report.reliable && report.pValue && *report.pValue < kBiasTestLevel) {
        findings.push_back("the counts of the 37 numbers");
    }
    if (report.hottest && report.hottest->correctedPValue < kBiasTestLevel) {
        findings.push_back("number " + std::to_string(report.hottest->number) +
                           ", even after allowing for the best of 37");
    }
    const HottestArc* arc = HottestOfAllArcs(report);
    if (arc != nullptr && arcsPValue && *arcsPValue < kBiasTestLevel) {
        findings.push_back("the arc " + ArcPockets(*arc) + ", even after allowing for every arc");
    }
    if (findings.empty()) {
        return "No evidence of bias at the 5 % level.";
    }
    std::string text = "Possible bias at the 5 % level: ";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        text += i > 0 ? "; " : "";
        text += findings[i];
    }
    return text +
           ". A fair wheel does this 1 time in 20 for each test: see whether it holds in the newer half "
           "and in the spins to come.";
}

std::string NumbersTestText(const WheelBiasReport& report) {
    return TestLine("All 37 numbers", report.spins, report.chiSquare, report.degreesOfFreedom, report.pValue,
                    report.reliable, static_cast<double>(report.spins) / kPocketCount, "per number");
}

std::string CategoryTestText(const CategoryTest& test) {
    std::int64_t spins = 0;
    double smallestExpected = test.cells.empty() ? 0.0 : test.cells.front().expected;
    for (const TestCell& cell : test.cells) {
        spins += cell.observed;
        smallestExpected = std::min(smallestExpected, cell.expected);
    }
    return TestLine(test.name, spins, test.chiSquare, test.degreesOfFreedom, test.pValue, test.reliable,
                    smallestExpected, "in a cell");
}

std::string HottestNumberText(const WheelBiasReport& report) {
    if (!report.hottest) {
        return {};
    }
    const HottestNumber& hot = *report.hottest;
    return std::to_string(hot.number) + " came " + Times(hot.count) + " in " + Spins(report.spins) +
           " against " + Expected(hot.expected) + " expected: " + PText(hot.pValue) + " for one number, " +
           FormatProbability(hot.correctedPValue) + " after allowing for the best of 37.";
}

std::string ArcPockets(const HottestArc& arc) {
    std::string pockets;
    const int first = kWheelPosition[static_cast<std::size_t>(arc.firstPocket)];
    for (int i = 0; i < arc.length; ++i) {
        if (i > 0) {
            pockets += ' ';
        }
        pockets += std::to_string(kWheelOrder[static_cast<std::size_t>((first + i) % kPocketCount)]);
    }
    return pockets;
}

std::string ArcText(const HottestArc& arc, std::optional<double> correctedPValue, int histories) {
    std::string text = std::to_string(arc.length) + " pockets, " + ArcPockets(arc) + ": " + Times(arc.count) +
                       " against " + Expected(arc.expected) + " expected (z = " + FormatSigned(arc.z) + "); ";
    if (!correctedPValue) {
        return text + "simulating...";
    }
    // The simulation cannot tell p-values below 1 / (histories + 1) apart.
    const bool atFloor = *correctedPValue * (histories + 1) < 1.5;
    return text + (atFloor ? "p \u2264 " + FormatProbability(*correctedPValue) : PText(*correctedPValue)) +
           " after allowing for every arc.";
}

std::vector<std::string> PowerTexts(const WheelBiasReport& report) {
    std::vector<std::string> texts;
    const DetectionPower& power = report.power;
    if (!power.smallestDetectable) {
        texts.push_back("With no spins nothing can be found yet.");
    } else {
        const double edge = power.playerEdge.value_or(0.0) * 100.0;
        texts.push_back(Spins(report.spins) + " find a number that comes once in " +
                        FormatFixed(1.0 / *power.smallestDetectable, 1) +
                        " spins instead of once in 37 (a player's edge of " + (edge >= 0 ? "+" : "") +
                        FormatFixed(edge, 0) + " % on it) 80 % of the time, at the 5 % level.");
    }
    std::string needs = "To find a number that comes";
    for (std::size_t i = 0; i < power.needs.size(); ++i) {
        const SpinsForAdvantage& need = power.needs[i];
        needs += i == 0 ? " once in " : "; once in ";
        needs += FormatFixed(1.0 / need.hitProbability, 0);
        if (std::abs(PlayerEdge(need.hitProbability)) < 1e-9) {
            needs += " (where a bet on it breaks even)";
        }
        needs += i == 0 ? " takes " : ", ";
        needs += Spins(need.spinsNeeded);
    }
    texts.push_back(needs + ".");
    return texts;
}

}  // namespace orvanta
