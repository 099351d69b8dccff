// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/EvidenceTracker.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace orvanta {
namespace {

using namespace evidence;

// Far from both ends of a double's range, so that a term may grow or shrink for
// many spins before it needs a new unit.
constexpr double kLargest = 1e100;
constexpr double kSmallest = 1e-100;
// Below this, a part or scale adds nothing a double can hold beside the others; it
// is dropped rather than left to crawl through subnormal numbers, which cost a
// hundred times an ordinary multiplication.
constexpr double kNegligible = 1e-250;
constexpr double kLogNegligible = -575.0;
// Dropped parts come back at the next new unit; at least this often, so that an arc
// that was nothing long ago and gains fast is never left out for long.
constexpr std::int64_t kRebaseEvery = 4'096;

// The path keeps at most twice this many points; then neighbours are merged.
constexpr std::size_t kPathPoints = 2'048;

double ExpOrNothing(double log) {
    return log < kLogNegligible ? 0.0 : std::exp(log);
}

void CheckNumber(int number) {
    if (number < 0 || number >= kPocketCount) {
        throw std::invalid_argument("evidence: a spin outside 0..36");
    }
}

}  // namespace

EvidenceTracker::EvidenceTracker() {
    SetAll();
}

EvidenceTracker::EvidenceTracker(std::span<const std::int8_t> spinsOldestFirst) : EvidenceTracker() {
    const auto all = static_cast<std::int64_t>(spinsOldestFirst.size());
    const std::int64_t everySpin = std::min(all, kEvidenceEverySpin);
    for (std::int64_t i = 0; i < everySpin; ++i) {
        Add(spinsOldestFirst[static_cast<std::size_t>(i)]);
    }
    if (everySpin == all) {
        return;
    }
    // The rest in evenly spaced looks, each worked out afresh from the counts.
    const std::int64_t rest = all - everySpin;
    const auto looks = static_cast<std::int64_t>(kEvidenceSpacedLooks);
    std::int64_t next = everySpin;
    for (std::int64_t look = 1; look <= looks; ++look) {
        const std::int64_t end = everySpin + (rest * look + looks - 1) / looks;
        for (; next < end; ++next) {
            const int n = spinsOldestFirst[static_cast<std::size_t>(next)];
            CheckNumber(n);
            ++counts_[static_cast<std::size_t>(n)];
        }
        if (end == spins_) {
            continue;
        }
        spins_ = end;
        const EvidenceFigures figures = EvaluateEvidence(counts_);
        logBase_ = figures.logEValue;
        total_ = 1.0;
        Look();
    }
    for (std::size_t group = 0; group < kGroups; ++group) {
        cells_[group] = CellCounts(group, counts_);
    }
    SetAll();
}

void EvidenceTracker::SetAll() {
    for (std::size_t kind = 0; kind < kKinds; ++kind) {
        SetStretch(kind);
    }
    for (std::size_t group = 0; group < kGroups; ++group) {
        for (std::size_t c = 0; c < kConcentrations; ++c) {
            SetDirichlet(group, c);
        }
    }
    total_ = Total();
}

void EvidenceTracker::SetStretch(std::size_t kind) {
    const auto hits = StretchCounts(counts_, kStretchLengths[kind]);
    const std::int64_t most = *std::max_element(hits.begin(), hits.end());
    for (std::size_t a = 0; a < kAdvantages; ++a) {
        const StretchOdds odds = OddsOf(kind, a);
        StretchTerm& term = stretches_[kind][a];
        term.logRatio = odds.logHit - odds.logMiss;
        term.logMiss = odds.logMiss;
        term.ratio = std::exp(term.logRatio);
        term.miss = std::exp(odds.logMiss);
        // The unit is the largest part, so that none overflows and the sum is at least 1.
        term.offset = static_cast<double>(most) * term.logRatio;
        term.sum = 0.0;
        for (std::size_t p = 0; p < kPocketCount; ++p) {
            const double log = static_cast<double>(hits[p]) * term.logRatio - term.offset;
            parts_[kind][p][a] = ExpOrNothing(log);
            term.sum += parts_[kind][p][a];
        }
        term.scale = ExpOrNothing(term.offset + static_cast<double>(spins_) * term.logMiss - logBase_);
    }
}

void EvidenceTracker::SetDirichlet(std::size_t group, std::size_t concentration) {
    DirichletTerm& term = dirichlet_[group][concentration];
    term.offset = DirichletLogFactor(group, concentration, cells_[group]);
    term.value = 1.0;
    term.scale = ExpOrNothing(term.offset - logBase_);
}

void EvidenceTracker::SetScales() {
    for (auto& kind : stretches_) {
        for (StretchTerm& term : kind) {
            term.scale = ExpOrNothing(term.offset + static_cast<double>(spins_) * term.logMiss - logBase_);
        }
    }
    for (auto& group : dirichlet_) {
        for (DirichletTerm& term : group) {
            term.scale = ExpOrNothing(term.offset - logBase_);
        }
    }
}

double EvidenceTracker::Total() const {
    double total = 0.0;
    for (std::size_t kind = 0; kind < kKinds; ++kind) {
        double kindTotal = 0.0;
        for (const StretchTerm& term : stretches_[kind]) {
            kindTotal += term.scale * term.sum;
        }
        total += StretchWeight(kind) * kindTotal;
    }
    for (std::size_t group = 0; group < kGroups; ++group) {
        double groupTotal = 0.0;
        for (const DirichletTerm& term : dirichlet_[group]) {
            groupTotal += term.scale * term.value;
        }
        total += GroupWeight(group) * groupTotal;
    }
    return total;
}

void EvidenceTracker::Add(int number) {
    CheckNumber(number);
    const double before = static_cast<double>(spins_);
    ++counts_[static_cast<std::size_t>(number)];
    ++spins_;

    const int position = kWheelPosition[static_cast<std::size_t>(number)];
    for (std::size_t kind = 0; kind < kKinds; ++kind) {
        std::array<StretchTerm, kAdvantages>& terms = stretches_[kind];
        for (StretchTerm& term : terms) {
            term.scale *= term.miss;
            term.scale = term.scale < kNegligible ? 0.0 : term.scale;
        }
        // The stretches that hold the pocket start at it and at the pockets before it.
        std::array<double, kAdvantages> ratio;
        std::array<double, kAdvantages> touched{};
        for (std::size_t a = 0; a < kAdvantages; ++a) {
            ratio[a] = terms[a].ratio;
        }
        for (int back = 0; back < kStretchLengths[kind]; ++back) {
            auto& parts =
                parts_[kind][static_cast<std::size_t>((position - back + kPocketCount) % kPocketCount)];
            for (std::size_t a = 0; a < kAdvantages; ++a) {
                touched[a] += parts[a];
                parts[a] *= ratio[a];
            }
        }
        for (std::size_t a = 0; a < kAdvantages; ++a) {
            terms[a].sum += touched[a] * (ratio[a] - 1.0);
        }
        if (spins_ % kRebaseEvery == 0 ||
            std::any_of(terms.begin(), terms.end(), [](const StretchTerm& t) { return t.sum > kLargest; })) {
            SetStretch(kind);
        }
    }
    std::array<double, kConcentrations> perSpin;
    for (std::size_t c = 0; c < kConcentrations; ++c) {
        perSpin[c] = 1.0 / (kEvidenceConcentrations[c] + before);
    }
    for (std::size_t group = 0; group < kGroups; ++group) {
        const int cell = CellOf(group, number);
        const double share = CellShare(group, cell);
        std::int64_t& observed = cells_[group][static_cast<std::size_t>(cell)];
        const double seen = static_cast<double>(observed) / share;
        for (std::size_t c = 0; c < kConcentrations; ++c) {
            DirichletTerm& term = dirichlet_[group][c];
            // The mixture's predictive chance of this cell, over its fair share.
            term.value *= (kEvidenceConcentrations[c] + seen) * perSpin[c];
            if (term.value > kLargest || term.value < kSmallest) {
                term.offset += std::log(term.value);
                term.value = 1.0;
                term.scale = ExpOrNothing(term.offset - logBase_);
            }
        }
        ++observed;
    }

    total_ = Total();
    if (total_ > kLargest || total_ < kSmallest) {
        logBase_ += std::log(total_);
        SetScales();
        total_ = Total();
    }
    Look();
}

double EvidenceTracker::logEValue() const {
    return logBase_ + std::log(total_);
}

double EvidenceTracker::eValue() const {
    return std::exp(logEValue());
}

void EvidenceTracker::Look() {
    const double e = eValue();
    if (e > peak_) {
        peak_ = e;
        peakSpin_ = spins_;
    }
    if (e >= kEvidenceAlarm && !alarmSpin_) {
        alarmSpin_ = spins_;
    }
    if (e >= kEvidenceStrongAlarm && !strongAlarmSpin_) {
        strongAlarmSpin_ = spins_;
    }
    path_.push_back({spins_, e});
    if (path_.size() >= 2 * kPathPoints) {
        // Neighbours merged into the higher of the two, so that no peak vanishes from the chart.
        for (std::size_t i = 0; i < kPathPoints; ++i) {
            const EvidencePoint& a = path_[2 * i];
            const EvidencePoint& b = path_[2 * i + 1];
            path_[i] = a.eValue > b.eValue ? a : b;
        }
        path_.resize(kPathPoints);
    }
}

EvidenceReport EvidenceTracker::Report() const {
    EvidenceReport report;
    report.spins = spins_;
    report.figures = EvaluateEvidence(counts_);
    report.peak = peak_;
    report.peakSpin = peakSpin_;
    report.alarmSpin = alarmSpin_;
    report.strongAlarmSpin = strongAlarmSpin_;
    report.path.reserve(path_.size() + 1);
    report.path.push_back({0, 1.0});
    report.path.insert(report.path.end(), path_.begin(), path_.end());
    if (report.path.back().spin != spins_) {
        report.path.push_back({spins_, report.figures.eValue});
    }
    return report;
}

}  // namespace orvanta
