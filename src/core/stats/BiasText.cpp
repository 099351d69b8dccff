// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/BiasText.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/stats/Attribution.h"
#include "core/stats/DetectionPower.h"
#include "core/stats/EvidenceSimulation.h"
#include "core/stats/FigureText.h"
#include "core/stats/PearsonTest.h"
#include "core/stats/WheelClassifications.h"

namespace orvanta {
namespace {

std::string Spins(std::int64_t count) {
    return FormatCount(count) + (count == 1 ? " spin" : " spins");
}

// "1 spin is", "370 spins are".
std::string SpinsAre(std::int64_t count) {
    return Spins(count) + (count == 1 ? " is" : " are");
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

// A p-value from simulated histories: at its floor the simulation cannot tell
// smaller ones apart, and near 0.05 its own error decides the call, so it says so.
std::string SimulatedPText(double p, int histories) {
    if (p * (histories + 1) < 1.5) {
        return "p \u2264 " + FormatProbability(p);
    }
    if (CallOf(p, histories) == VerdictCall::Borderline) {
        return PText(p) + ", about 0.05";
    }
    return PText(p);
}

// Small expectations need a second decimal to say anything: 0.03 rather than 0.0.
std::string Expected(double expected) {
    return FormatGrouped(expected, expected < 1.0 ? 2 : 1);
}

// "once in 12 spins", "once in 34.6 spins": a decimal where it matters against 37.
std::string OnceIn(double hitProbability) {
    const double spins = 1.0 / hitProbability;
    const bool whole = std::abs(spins - std::round(spins)) < 0.05;
    return "once in " + FormatFixed(spins, !whole && (spins < 10 || spins >= 30) ? 1 : 0) + " spins";
}

std::string EdgeText(double hitProbability) {
    const double edge = PlayerEdge(hitProbability) * 100.0;
    return "(a player's edge of " + std::string(edge >= 0 ? "+" : "") + FormatFixed(edge, 0) + " % on it)";
}

// Two significant digits: the simulations behind these figures say no more.
std::string About(std::int64_t spins) {
    const double scale =
        std::pow(10.0, std::floor(std::log10(static_cast<double>(std::max<std::int64_t>(spins, 1)))) - 1);
    return "about " +
           FormatCount(static_cast<std::int64_t>(std::round(static_cast<double>(spins) / scale) * scale));
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

// What carries the verdict, named only where it holds: an arc or a classification
// that stands out only through one hot number is that number.
std::string VerdictCarrier(const WheelBiasReport& report, std::size_t test) {
    const auto counts = CountByNumber(report);
    switch (static_cast<VerdictTest>(test)) {
        case VerdictTest::Numbers:
            return "the counts of the 37 numbers together";
        case VerdictTest::HottestNumber:
            return "number " + std::to_string(report.hottest ? report.hottest->number : 0);
        case VerdictTest::HottestArc: {
            const HottestArc& arc = *HottestOfAllArcs(report);
            const WithoutStrongest rest = ArcWithoutStrongest(arc, counts);
            if (rest.holds) {
                return "the arc " + ArcPockets(arc);
            }
            return "number " + std::to_string(rest.number) + " (the arc " + ArcPockets(arc) +
                   " stands out only through it)";
        }
        default:
            break;
    }
    const std::size_t index = test - static_cast<std::size_t>(VerdictTest::FirstClassification);
    const WheelClassification& classification = kWheelClassifications[index];
    const WithoutStrongest rest = ClassificationWithoutStrongest(index, counts);
    if (rest.holds) {
        return std::string(classification.name) + ", where " + CellLabel(classification, rest.cell) +
               " came more than its share";
    }
    return "number " + std::to_string(rest.number) + " (" + std::string(classification.name) +
           " stands out only through it)";
}

std::string Advice(SpanHalf half) {
    return half == SpanHalf::Newer ? "see whether it holds in the spins to come."
                                   : "see whether it holds in the newer half and in the spins to come.";
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

VerdictWords DescribeVerdict(const WheelBiasReport& report, const VerdictFindings* findings, SpanHalf half) {
    VerdictWords words;
    const std::int64_t spins = report.spins;
    if (spins == 0) {
        words.headline = "Nothing to test yet: there are no spins here.";
        return words;
    }
    if (findings == nullptr) {
        words.headline = "Testing " + Spins(spins) + " against " + FormatCount(kFairHistories) +
                         " simulated fair histories...";
        return words;
    }
    if (!findings->canFlag) {
        words.headline = SpinsAre(spins) + " too few for any test to flag a bias, however the wheel is made.";
        return words;
    }
    const std::string p = findings->beyondEvery ? "p \u2264 " + FormatProbability(findings->globalPValue)
                                                : SimulatedPText(findings->globalPValue, findings->histories);
    switch (findings->call) {
        case VerdictCall::Bias:
            words.headline = "Bias at the 5 % level in " + Spins(spins) + ": " + p +
                             " for all the tests together, carried by " +
                             VerdictCarrier(report, findings->smallestTest) + ".";
            words.notes.push_back("A fair wheel does this 1 time in 20: " + Advice(half));
            break;
        case VerdictCall::Borderline:
            words.headline = "Too close to call in " + Spins(spins) + ": " + PText(findings->globalPValue) +
                             " for all the tests together is about 0.05, and " +
                             FormatCount(findings->histories) +
                             " simulated fair histories cannot tell on which side of 0.05 it lies.";
            words.notes.push_back("Neither a bias nor a fair wheel: " + Advice(half));
            break;
        case VerdictCall::NoSign:
            words.headline =
                "No sign of bias in " + Spins(spins) + " (" + p + " for all the tests together).";
            words.headline += findings->detectable
                                  ? " These spins could only have found a number that comes " +
                                        OnceIn(*findings->detectable) + " or more often."
                                  : " These spins could not have found even a number that comes every spin.";
            break;
    }
    words.notes.insert(
        words.notes.begin(),
        "This verdict takes the tests below together (a chi-squared test once it is reliable), and "
        "assumes that the number of spins was fixed before you looked. If you look again after every "
        "spin, go by the live evidence instead: it stays valid however often you look.");
    return words;
}

std::string NumbersTestText(const WheelBiasReport& report) {
    return TestLine("All 37 numbers", report.spins, report.chiSquare, report.degreesOfFreedom, report.pValue,
                    report.reliable, static_cast<double>(report.spins) / kPocketCount, "per number");
}

std::string CategoryTestText(const WheelBiasReport& report, std::size_t classification) {
    const CategoryTest& test = report.categories[classification];
    double smallestExpected = test.cells.empty() ? 0.0 : test.cells.front().expected;
    for (const TestCell& cell : test.cells) {
        smallestExpected = std::min(smallestExpected, cell.expected);
    }
    std::string line = TestLine(test.name, report.spins, test.chiSquare, test.degreesOfFreedom, test.pValue,
                                test.reliable, smallestExpected, "in a cell");
    if (test.reliable && test.pValue && *test.pValue < kBiasTestLevel) {
        const WithoutStrongest rest = ClassificationWithoutStrongest(classification, CountByNumber(report));
        const std::string without = rest.pValue ? PText(*rest.pValue) : "nothing to test";
        line += rest.holds ? " It still does without its strongest number, " + std::to_string(rest.number) +
                                 " (" + without + ")."
                           : " It does so only through " + std::to_string(rest.number) + ": without it, " +
                                 without + ".";
    }
    return line;
}

std::string ClassificationsNote() {
    return "Each of these is judged on its own: on a fair wheel one of them falls below 0.05 about 1 time "
           "in " +
           std::to_string(kClassificationsOneIn) +
           ", so a single one is weak evidence. The verdict above allows for all of them.";
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

std::string ArcText(const WheelBiasReport& report, std::size_t index, std::optional<double> correctedPValue,
                    int histories) {
    const HottestArc& arc = report.arcs[index];
    std::string text = std::to_string(arc.length) + " pockets, " + ArcPockets(arc) + ": " + Times(arc.count) +
                       " against " + Expected(arc.expected) + " expected (z = " + FormatSigned(arc.z) + "); ";
    if (!correctedPValue) {
        return text + "simulating...";
    }
    text += SimulatedPText(*correctedPValue, histories) + " after allowing for every arc.";
    if (CallOf(*correctedPValue, histories) == VerdictCall::Bias) {
        const WithoutStrongest rest = ArcWithoutStrongest(arc, CountByNumber(report));
        text += rest.holds ? " It holds without its strongest pocket, " + std::to_string(rest.number) +
                                 " (z = " + FormatSigned(rest.z) + " without it)."
                           : " It stands out only through " + std::to_string(rest.number) +
                                 ": without it, z = " + FormatSigned(rest.z) + ".";
    }
    return text;
}

std::vector<std::string> PowerTexts(const WheelBiasReport& report, const VerdictFindings* findings,
                                    std::int64_t historySpins) {
    std::vector<std::string> texts;
    const std::int64_t spins = report.spins;
    if (spins == 0) {
        texts.push_back("With no spins here the verdict can find nothing yet.");
    } else if (findings == nullptr) {
        texts.push_back("What the verdict can find in " + Spins(spins) + ": simulating...");
    } else if (!findings->canFlag) {
        texts.push_back(SpinsAre(spins) + " too few for any test to flag a bias.");
    } else if (!findings->detectable) {
        texts.push_back(
            SpinsAre(spins) +
            " too few for the verdict to find even a number that comes every spin 80 % of the time.");
    } else {
        texts.push_back("With " + Spins(spins) + " the verdict finds a number that comes " +
                        OnceIn(*findings->detectable) + " or more often 80 % of the time " +
                        EdgeText(*findings->detectable) + ".");
    }

    const std::optional<double> live = SmallestDetectableByEvidence(historySpins);
    if (historySpins < FewestSpinsForAlarm()) {
        texts.push_back("The live evidence cannot reach 20 before " + Spins(FewestSpinsForAlarm()) +
                        ", even if every spin lands on one number.");
    } else if (!live) {
        texts.push_back(SpinsAre(historySpins) +
                        " too few for the live evidence to reach 20 even for a number that comes every spin, "
                        "80 % of the time.");
    } else {
        texts.push_back("Over all " + Spins(historySpins) +
                        " the live evidence reaches 20, 80 % of the time, for "
                        "a number that comes " +
                        OnceIn(*live) + " or more often.");
    }

    std::string needs = "To find, 80 % of the time, a number that comes";
    for (std::size_t i = 0; i < kAdvantagesOfInterest.size(); ++i) {
        const double hit = kAdvantagesOfInterest[i];
        const std::string verdict = About(kVerdictSpinsNeeded[i]);
        const std::string live = About(SpinsForEvidence(hit).value_or(0));
        if (i == 0) {
            needs += " " + OnceIn(hit) + " (where a bet on it breaks even) takes " + verdict +
                     " spins with the verdict and " + live + " with the live evidence";
        } else {
            needs += "; " + OnceIn(hit) + ", " + verdict + " and " + live;
        }
    }
    texts.push_back(needs + ".");
    return texts;
}

}  // namespace orvanta
