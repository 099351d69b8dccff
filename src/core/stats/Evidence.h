// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/stats/WheelTables.h"

// Evidence against a fair wheel that stays honest however often it is looked at.
//
// A p-value answers one look at a number of spins fixed in advance; looked at after
// every spin, a fair wheel sooner or later shows p < 0.05. The figure here is an
// e-process instead (Ramdas, Grünwald, Vovk and Shafer, "Game-theoretic statistics and
// safe anytime-valid inference", 2023): the likelihood ratio of the spins under
// alternatives to the fair wheel, mixed over a grid of those alternatives. Under a
// fair wheel every likelihood ratio, and so every mixture of them, is a nonnegative
// martingale starting at 1, and by Ville's inequality a fair wheel ever reaches 20
// with a chance of at most 1/20, and 100 with at most 1/100, at any spin count and
// however often anyone looks.
//
// Four families of alternatives, each the average of its e-values, and the figure the
// average of the four (an average of e-values is an e-value):
// - one number favoured: each number, its chance raised by each factor of
//   kEvidenceAdvantages and the other numbers' shares lowered in proportion;
// - one arc of 3 to 9 neighbouring pockets favoured, the same way;
// - the 37 numbers together: a Dirichlet mixture of every way the chances could
//   differ, over the concentrations kEvidenceConcentrations (the Bayes factor of
//   a Dirichlet-multinomial against the fair multinomial);
// - each classification (colour, high/low, even/odd, dozen, column, six-number
//   group, row, wheel sector; zero in its own cell), by the same Dirichlet mixture
//   around its cells' fair shares.
// Every likelihood ratio here depends only on how often each number came, so the
// figure at any spin is a function of the counts up to it.

namespace orvanta {

inline constexpr double kEvidenceAlarm = 20.0;
inline constexpr double kEvidenceStrongAlarm = 100.0;

inline constexpr std::array<double, 8> kEvidenceAdvantages = {1.03, 1.06, 1.12, 1.25, 1.5, 2.0, 3.0, 4.0};
inline constexpr std::array<double, 5> kEvidenceConcentrations = {37, 370, 3'700, 37'000, 370'000};

enum class EvidenceFamily { Numbers, Arcs, AllNumbers, Classifications };
inline constexpr std::size_t kEvidenceFamilyCount = 4;

// What carries a family's evidence most: the number (Numbers), the arc's first
// pocket clockwise and length (Arcs), the classification and its cell furthest
// above its fair share (Classifications). The 37 numbers together have no carrier.
struct EvidenceCarrier {
    int number = -1;
    int arcLength = 0;
    int classification = -1;  // index into kWheelClassifications
    int cell = -1;
};

struct FamilyEvidence {
    EvidenceFamily family = EvidenceFamily::Numbers;
    double eValue = 1.0;
    double logEValue = 0.0;  // exact where eValue overflows
    EvidenceCarrier carrier;
};

struct EvidenceFigures {
    double eValue = 1.0;
    double logEValue = 0.0;
    std::array<FamilyEvidence, kEvidenceFamilyCount> families{};
    std::size_t strongest = 0;  // the family with the most evidence
};

struct EvidencePoint {
    std::int64_t spin = 0;
    double eValue = 1.0;
};

struct EvidenceReport {
    std::int64_t spins = 0;
    EvidenceFigures figures;  // at the newest spin
    // Over the spins at which the figure was worked out: every spin of the first
    // kEvidenceEverySpin and every one recorded after that, and evenly spaced
    // spins of a longer history studied at once. Looking at fewer spins only
    // lowers the chance that a fair wheel reaches the alarm.
    double peak = 1.0;
    std::int64_t peakSpin = 0;
    std::optional<std::int64_t> alarmSpin;        // the first spin at kEvidenceAlarm or above
    std::optional<std::int64_t> strongAlarmSpin;  // the same at kEvidenceStrongAlarm
    // For the chart: at most a few thousand points, the highest of neighbours kept.
    std::vector<EvidencePoint> path;
};

// Beyond this many spins, a history studied at once is looked at in evenly spaced
// steps, so that a million spins take milliseconds rather than a second.
inline constexpr std::int64_t kEvidenceEverySpin = 32'768;
inline constexpr std::size_t kEvidenceSpacedLooks = 1'024;

// The figures from the count of every number (indexed by the number).
EvidenceFigures EvaluateEvidence(const std::array<std::int64_t, kPocketCount>& countByNumber);

// The evidence over a whole history, oldest spin first. Throws std::invalid_argument
// for a number outside 0..36.
EvidenceReport ComputeEvidence(std::span<const std::int8_t> spinsOldestFirst);

}  // namespace orvanta
