// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/WheelBiasCsv.h"

#include <initializer_list>
#include <optional>
#include <vector>

#include "core/stats/BiasText.h"
#include "core/stats/EvidenceText.h"
#include "core/stats/FigureText.h"

namespace orvanta {
namespace {

// A field is quoted when it holds a separator, a quote or a line break; quotes inside are doubled.
std::string Field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

class CsvWriter {
public:
    void Row(std::initializer_list<std::string> fields) {
        bool first = true;
        for (const std::string& field : fields) {
            if (!first) {
                text_ += ',';
            }
            text_ += Field(field);
            first = false;
        }
        text_ += "\r\n";
    }
    void Gap() { text_ += "\r\n"; }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

std::string Number(double value) {
    return FormatExact(value);
}
std::string Number(std::int64_t value) {
    return std::to_string(value);
}
std::string Optional(std::optional<double> value) {
    return value ? Number(*value) : std::string();
}

}  // namespace

std::string WheelBiasCsv(const WheelBiasReport& report, std::string_view spanText,
                         const VerdictFindings* findings, const EvidenceReport& evidence) {
    const std::vector<double> noPValues;
    const std::vector<double>& arcPValues = findings != nullptr ? findings->arcPValues : noPValues;
    const bool any = report.spins > 0;
    CsvWriter csv;
    csv.Row({"Wheel bias", std::string(spanText)});
    csv.Row({"Spins", Number(report.spins)});
    csv.Gap();

    csv.Row({"Number", "Count", "Expected", "z", "Gap", "Chance of gap"});
    for (const NumberFigures& figures : report.numbers) {
        csv.Row({std::to_string(figures.number), Number(figures.count), Number(figures.expected),
                 any ? Number(figures.z) : "", any ? Number(figures.gap) : "",
                 any ? Number(figures.gapChance) : ""});
    }
    csv.Gap();

    csv.Row({"Test", "Chi-square", "Degrees of freedom", "p-value", "Reliable"});
    csv.Row({"All 37 numbers", Number(report.chiSquare), std::to_string(report.degreesOfFreedom),
             Optional(report.pValue), report.reliable ? "yes" : "no"});
    for (const CategoryTest& test : report.categories) {
        csv.Row({test.name, Number(test.chiSquare), std::to_string(test.degreesOfFreedom),
                 Optional(test.pValue), test.reliable ? "yes" : "no"});
    }
    csv.Gap();

    csv.Row({"Test", "Value", "Observed", "Expected"});
    for (const CategoryTest& test : report.categories) {
        for (const TestCell& cell : test.cells) {
            csv.Row({test.name, cell.label, Number(cell.observed), Number(cell.expected)});
        }
    }

    if (report.hottest) {
        const HottestNumber& hot = *report.hottest;
        csv.Gap();
        csv.Row({"Hottest number", "Count", "Expected", "z", "p-value", "p-value, best of 37"});
        csv.Row({std::to_string(hot.number), Number(hot.count), Number(hot.expected), Number(hot.z),
                 Number(hot.pValue), Number(hot.correctedPValue)});
    }

    if (!report.arcs.empty()) {
        csv.Gap();
        csv.Row({"Arc length", "Pockets", "Count", "Expected", "z", "p-value, any arc"});
        for (std::size_t i = 0; i < report.arcs.size(); ++i) {
            const HottestArc& arc = report.arcs[i];
            csv.Row({std::to_string(arc.length), ArcPockets(arc), Number(arc.count), Number(arc.expected),
                     Number(arc.z), i < arcPValues.size() ? Number(arcPValues[i]) : ""});
        }
    }

    if (any) {
        const bool known = findings != nullptr;
        csv.Gap();
        csv.Row({"Verdict", "p-value among fair histories", "Fair histories"});
        csv.Row({"All the tests together", known ? Number(findings->globalPValue) : "",
                 known ? Number(std::int64_t{findings->histories}) : ""});
        for (std::size_t test = 0; test < kVerdictTestCount; ++test) {
            csv.Row({VerdictTestName(test), known ? Number(findings->testPValues[test]) : "", ""});
        }
    }

    csv.Gap();
    csv.Row({"Evidence against a fair wheel", "Spins", "e-value", "Carried most by"});
    csv.Row({"All families", Number(evidence.spins), Number(evidence.figures.eValue), ""});
    for (const FamilyEvidence& family : evidence.figures.families) {
        csv.Row({EvidenceFamilyName(family.family), Number(evidence.spins), Number(family.eValue),
                 EvidenceCarrierText(family)});
    }
    return csv.Take();
}

}  // namespace orvanta
