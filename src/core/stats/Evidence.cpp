// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/Evidence.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/stats/EvidenceTerms.h"
#include "core/stats/EvidenceTracker.h"

namespace orvanta {
namespace {

using namespace evidence;

// The log of a sum of terms given by their logs, one term at a time, without
// overflow: the running sum is kept relative to the largest term so far.
class LogSum {
public:
    void Add(double log) {
        if (log <= largest_) {
            sum_ += std::exp(log - largest_);
        } else {
            sum_ = sum_ * std::exp(largest_ - log) + 1.0;
            largest_ = log;
        }
    }
    double Log() const { return largest_ + std::log(sum_); }

private:
    double largest_ = -std::numeric_limits<double>::infinity();
    double sum_ = 0.0;
};

FamilyEvidence Family(EvidenceFamily family, double logEValue, EvidenceCarrier carrier) {
    return {family, std::exp(logEValue), logEValue, carrier};
}

// The stretch families: every stretch's likelihood ratios over the advantages,
// and the stretch that carries the most. Terms more than e^40 below the largest
// change no digit of the sum and are not worked out.
FamilyEvidence StretchFamily(EvidenceFamily family, std::size_t firstKind, std::size_t endKind,
                             const std::array<std::int64_t, kPocketCount>& countByNumber, double spins) {
    constexpr double kNoDigit = -40.0;
    std::array<std::array<std::array<double, kAdvantageCount>, kPocketCount>, kStretchKinds> logs;
    double largest = -std::numeric_limits<double>::infinity();
    for (std::size_t kind = firstKind; kind < endKind; ++kind) {
        const auto counts = StretchCounts(countByNumber, kStretchLengths[kind]);
        for (std::size_t a = 0; a < kAdvantageCount; ++a) {
            const StretchOdds odds = OddsOf(kind, a);
            for (std::size_t p = 0; p < kPocketCount; ++p) {
                const double hits = static_cast<double>(counts[p]);
                logs[kind][p][a] = hits * odds.logHit + (spins - hits) * odds.logMiss;
                largest = std::max(largest, logs[kind][p][a]);
            }
        }
    }
    double total = 0.0;
    double best = -1.0;
    EvidenceCarrier carrier;
    for (std::size_t kind = firstKind; kind < endKind; ++kind) {
        for (std::size_t p = 0; p < kPocketCount; ++p) {
            double stretch = 0.0;
            for (const double log : logs[kind][p]) {
                stretch += log - largest > kNoDigit ? std::exp(log - largest) : 0.0;
            }
            total += stretch;
            if (stretch > best) {
                best = stretch;
                carrier.number = kWheelOrder[p];
                carrier.arcLength = family == EvidenceFamily::Arcs ? kStretchLengths[kind] : 0;
            }
        }
    }
    const double alternatives = static_cast<double>((endKind - firstKind) * kPocketCount * kAdvantageCount);
    return Family(family, largest + std::log(total) - std::log(alternatives), carrier);
}

}  // namespace

EvidenceFigures EvaluateEvidence(const std::array<std::int64_t, kPocketCount>& countByNumber) {
    const double spins =
        static_cast<double>(std::accumulate(countByNumber.begin(), countByNumber.end(), std::int64_t{0}));
    EvidenceFigures figures;
    if (spins == 0) {
        // Every likelihood ratio is 1 and nothing carries anything.
        for (std::size_t f = 0; f < kEvidenceFamilyCount; ++f) {
            figures.families[f].family = static_cast<EvidenceFamily>(f);
        }
        return figures;
    }
    figures.families[0] = StretchFamily(EvidenceFamily::Numbers, 0, 1, countByNumber, spins);
    figures.families[1] = StretchFamily(EvidenceFamily::Arcs, 1, kStretchKinds, countByNumber, spins);

    LogSum allNumbers;
    const auto numberCells = CellCounts(0, countByNumber);
    for (std::size_t c = 0; c < kConcentrationCount; ++c) {
        allNumbers.Add(DirichletLogFactor(0, c, numberCells));
    }
    figures.families[2] =
        Family(EvidenceFamily::AllNumbers,
               allNumbers.Log() - std::log(static_cast<double>(kConcentrationCount)), EvidenceCarrier{});

    LogSum classifications;
    double best = -std::numeric_limits<double>::infinity();
    EvidenceCarrier carrier;
    for (std::size_t group = 1; group < kGroupCount; ++group) {
        const auto cells = CellCounts(group, countByNumber);
        LogSum mixture;
        for (std::size_t c = 0; c < kConcentrationCount; ++c) {
            mixture.Add(DirichletLogFactor(group, c, cells));
        }
        classifications.Add(mixture.Log());
        if (mixture.Log() > best) {
            best = mixture.Log();
            carrier.classification = static_cast<int>(group - 1);
            const WheelClassification& classification = kWheelClassifications[group - 1];
            carrier.cell = CellFurthestAbove(classification, CellCountsOf(classification, countByNumber));
        }
    }
    figures.families[3] =
        Family(EvidenceFamily::Classifications,
               classifications.Log() - std::log(static_cast<double>((kGroupCount - 1) * kConcentrationCount)),
               carrier);

    LogSum combined;
    for (std::size_t f = 0; f < kEvidenceFamilyCount; ++f) {
        combined.Add(figures.families[f].logEValue);
        if (figures.families[f].logEValue > figures.families[figures.strongest].logEValue) {
            figures.strongest = f;
        }
    }
    figures.logEValue = combined.Log() - std::log(static_cast<double>(kEvidenceFamilyCount));
    figures.eValue = std::exp(figures.logEValue);
    return figures;
}

EvidenceReport ComputeEvidence(std::span<const std::int8_t> spinsOldestFirst) {
    return EvidenceTracker(spinsOldestFirst).Report();
}

}  // namespace orvanta
