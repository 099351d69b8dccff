// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/stats/Evidence.h"
#include "core/stats/EvidenceTerms.h"

namespace orvanta {

// The evidence spin by spin, as the live window and the simulations look at it:
// each spin costs a few hundred multiplications rather than the thousands of
// exponentials of working the figure out afresh, and gives the same figure.
//
// A mixture of likelihood ratios moves by a known factor per spin: the ratios of
// the alternatives the spin falls in by their hit factor, all others by their
// miss factor. So every stretch keeps its alternatives' ratios as plain numbers
// beside a common scale, and only the dozens the spin falls in are touched; the
// Dirichlet mixtures multiply by their predictive chance of the spin (the
// sequential form of the Dirichlet-multinomial). The scales are set afresh from
// the counts whenever a number would leave the range of a double.
class EvidenceTracker {
public:
    EvidenceTracker();
    // A whole history at once, as ComputeEvidence studies it; Add goes on from its end.
    explicit EvidenceTracker(std::span<const std::int8_t> spinsOldestFirst);

    // One more spin, looked at. Throws std::invalid_argument for a number outside 0..36.
    void Add(int number);

    std::int64_t spins() const { return spins_; }
    double eValue() const;
    double logEValue() const;
    const std::array<std::int64_t, kPocketCount>& countByNumber() const { return counts_; }

    // The figures worked out afresh from the counts, and the path looked at so far.
    EvidenceReport Report() const;

private:
    static constexpr std::size_t kKinds = evidence::kStretchKinds;
    static constexpr std::size_t kAdvantages = evidence::kAdvantageCount;
    static constexpr std::size_t kConcentrations = evidence::kConcentrationCount;
    static constexpr std::size_t kGroups = evidence::kGroupCount;

    // The alternatives of one stretch length and one advantage, 37 positions: the
    // likelihood ratio of position p is parts_[kind][p] * e^offset * miss^spins.
    // `scale` holds e^(offset - logBase_) * miss^spins, so that the figure needs
    // no exponential per spin.
    struct StretchTerm {
        double ratio = 1.0;  // hit factor over miss factor
        double miss = 1.0;
        double logRatio = 0.0;
        double logMiss = 0.0;
        double offset = 0.0;  // log of the parts' unit
        double sum = 0.0;     // of the parts
        double scale = 0.0;
    };
    struct DirichletTerm {
        double value = 1.0;
        double offset = 0.0;
        double scale = 0.0;  // e^(offset - logBase_)
    };

    void Look();
    // Every term afresh from the counts.
    void SetAll();
    void SetStretch(std::size_t kind);
    void SetDirichlet(std::size_t group, std::size_t concentration);
    void SetScales();
    double Total() const;

    std::int64_t spins_ = 0;
    std::array<std::int64_t, kPocketCount> counts_{};
    std::array<std::array<std::int64_t, kPocketCount>, kGroups> cells_{};
    std::array<std::array<StretchTerm, kAdvantages>, kKinds> stretches_{};
    // [kind][wheel position][advantage]: the advantages of one stretch side by side.
    std::array<std::array<std::array<double, kAdvantages>, kPocketCount>, kKinds> parts_{};
    std::array<std::array<DirichletTerm, kConcentrations>, kGroups> dirichlet_{};
    double logBase_ = 0.0;  // the figure is e^logBase_ * Total()
    double total_ = 1.0;

    double peak_ = 1.0;
    std::int64_t peakSpin_ = 0;
    std::optional<std::int64_t> alarmSpin_;
    std::optional<std::int64_t> strongAlarmSpin_;
    std::vector<EvidencePoint> path_;
};

}  // namespace orvanta
