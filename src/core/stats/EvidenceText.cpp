// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/EvidenceText.h"

#include "core/stats/BiasText.h"
#include "core/stats/FigureText.h"
#include "core/stats/WheelClassifications.h"

namespace orvanta {
namespace {

std::string Spins(std::int64_t count) {
    return FormatCount(count) + (count == 1 ? " spin" : " spins");
}

}  // namespace

std::string EvidenceHeadline(const EvidenceReport& report) {
    return "Evidence against a fair wheel: " + FormatEvidence(report.figures.eValue) + " (alarm at " +
           FormatEvidence(kEvidenceAlarm) + ")";
}

std::string EvidenceFamilyName(EvidenceFamily family) {
    switch (family) {
        case EvidenceFamily::Numbers:
            return "the single numbers";
        case EvidenceFamily::Arcs:
            return "the arcs of 3 to 9 pockets";
        case EvidenceFamily::AllNumbers:
            return "the 37 numbers together";
        case EvidenceFamily::Classifications:
            break;
    }
    return "the classifications";
}

std::string EvidenceCarrierText(const FamilyEvidence& family) {
    const EvidenceCarrier& carrier = family.carrier;
    switch (family.family) {
        case EvidenceFamily::Numbers:
            return carrier.number < 0 ? "" : std::to_string(carrier.number);
        case EvidenceFamily::Arcs:
            return carrier.number < 0 ? ""
                                      : "the arc " + ArcPockets(HottestArc{.length = carrier.arcLength,
                                                                           .firstPocket = carrier.number});
        case EvidenceFamily::AllNumbers:
            return "";
        case EvidenceFamily::Classifications:
            break;
    }
    if (carrier.classification < 0) {
        return "";
    }
    const WheelClassification& classification =
        kWheelClassifications[static_cast<std::size_t>(carrier.classification)];
    std::string text(classification.name);
    return carrier.cell < 0 ? text : text + " (" + CellLabel(classification, carrier.cell) + ")";
}

std::string EvidenceDetail(const EvidenceReport& report) {
    if (report.spins == 0) {
        return "It starts at 1 and follows every spin of the history. A fair wheel ever reaches 20 at most 1 "
               "time "
               "in 20, however often you look.";
    }
    const EvidenceFigures& figures = report.figures;
    std::string text;
    if (figures.eValue < 1.0) {
        text = "Below 1: so far " + Spins(report.spins) +
               " fit a fair wheel better than any of the biases it looks for.";
    } else {
        const FamilyEvidence& family = figures.families[figures.strongest];
        const std::string carrier = EvidenceCarrierText(family);
        text = "Over " + Spins(report.spins) + ", carried by " + EvidenceFamilyName(family.family) +
               (carrier.empty() ? "" : ", most by " + carrier) + ".";
    }
    if (figures.eValue >= kEvidenceStrongAlarm) {
        return text +
               " Strong alarm: a fair wheel reaches 100 at most 1 time in 100, however often you look.";
    }
    if (figures.eValue >= kEvidenceAlarm) {
        return text + " Alarm: a fair wheel reaches 20 at most 1 time in 20, however often you look.";
    }
    if (report.alarmSpin) {
        return text + " It reached 20 at spin " + FormatCount(*report.alarmSpin) + " (peak " +
               FormatEvidence(report.peak) + "): the alarm has gone off, even though it has fallen since.";
    }
    return text +
           " A fair wheel ever reaches 20 at most 1 time in 20, however often you look; the highest so far "
           "is " +
           FormatEvidence(report.peak) + ".";
}

}  // namespace orvanta
