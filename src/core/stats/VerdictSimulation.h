// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "core/stats/VerdictTests.h"
#include "core/stats/WheelBias.h"

// The fixed-sample verdict: every test of VerdictTests.h at once, at one stated level.
//
// Each test alone would call a fair wheel biased 1 time in 20, so several together
// would call it far more often. The min-P method (Westfall and Young, "Resampling-based
// multiple testing", 1993) judges them as one: each test's p-value is the share of
// simulated fair histories of as many spins whose statistic reaches the observed one,
// and the verdict's p-value is the share of those histories whose smallest p-value
// is at most the observed smallest. It is a p-value like any other: at most 5 % of
// fair histories reach 0.05, whatever the tests and however they depend on each
// other. It holds for one look at a number of spins fixed in advance; the live
// evidence (Evidence.h) is what stays valid when one looks after every spin.

namespace orvanta {

inline constexpr double kVerdictLevel = 0.05;
inline constexpr int kFairHistories = 10'000;
// Fixed so that the same spins always get the same p-values.
inline constexpr std::uint64_t kFairHistoriesSeed = 20'261'209;

// The simulated fair histories of one length, each test's statistics sorted.
class FairHistories {
public:
    std::int64_t spins() const { return spins_; }
    int histories() const { return histories_; }
    bool cancelled() const { return cancelled_; }

    // The share of fair histories whose statistic reaches `statistic`, counting the
    // observed history as one of them: (1 + reached) / (1 + histories).
    double TestPValue(std::size_t test, double statistic) const;
    // The test with the smallest p-value for these statistics, among those that take
    // part at these spins (VerdictTestApplies).
    std::size_t SmallestTest(const VerdictStatistics& observed) const;
    // Whether no fair history reaches the observed one in that test: the verdict's
    // p-value is then only an upper bound, as the simulation cannot say how far beyond.
    bool BeyondEvery(const VerdictStatistics& observed) const;
    // The verdict's p-value by the min-P method.
    double GlobalPValue(const VerdictStatistics& observed) const;

private:
    friend FairHistories SimulateFairHistories(std::int64_t, int, std::uint64_t, std::stop_token);
    std::size_t Reaching(std::size_t test, double statistic) const;

    std::int64_t spins_ = 0;
    int histories_ = 0;
    bool cancelled_ = false;
    std::array<std::vector<double>, kVerdictTestCount> sorted_;
    std::vector<double> smallestP_;  // each history's smallest test p-value, ascending
};

// Deterministic for a given seed on this platform; keeps no state, so it may run on
// any thread; checks `stop` between histories (and is then cancelled()).
FairHistories SimulateFairHistories(std::int64_t spins, int histories = kFairHistories,
                                    std::uint64_t seed = kFairHistoriesSeed, std::stop_token stop = {});

// Where the simulation's own error, sqrt(p (1 - p) / histories), could carry p to
// the other side of 0.05 (two errors or less), the call is Borderline: too close
// for these histories to tell. Bias only below that.
enum class VerdictCall { Bias, Borderline, NoSign };
VerdictCall CallOf(double globalPValue, int histories);

// Power: the share of histories with one favoured number (a different one at random
// each history; `hitProbability` its chance, the others sharing the rest) that the
// verdict calls Bias.
inline constexpr double kVerdictPower = 0.80;
inline constexpr int kPowerHistories = 2'000;
inline constexpr std::uint64_t kPowerSeed = 7'301'937;
double VerdictPower(const FairHistories& fair, double hitProbability, int histories = kPowerHistories,
                    std::uint64_t seed = kPowerSeed, std::stop_token stop = {});

// Whether any spins at all of this length could be called Bias: the spins that look
// least fair to every test at once, all on zero, are.
bool VerdictCanFlag(const FairHistories& fair);

// The smallest hit probability of one favoured number that the verdict finds 80 % of
// the time at this length; none when even a number that comes every spin is found
// less often, or when stopped.
std::optional<double> SmallestDetectableByVerdict(const FairHistories& fair, std::stop_token stop = {});

// The count of every number of a report's spins (indexed by the number).
std::array<std::int64_t, kPocketCount> CountByNumber(const WheelBiasReport& report);

// Everything the window shows of the verdict for one report.
struct VerdictFindings {
    bool cancelled = false;
    int histories = 0;
    double globalPValue = 1.0;
    VerdictCall call = VerdictCall::NoSign;
    std::size_t smallestTest = 0;
    bool beyondEvery = false;  // FairHistories::BeyondEvery
    std::array<double, kVerdictTestCount> testPValues{};
    std::vector<double> arcPValues;  // parallel to report.arcs: reaching each arc's z, any arc
    bool canFlag = false;
    std::optional<double> detectable;  // SmallestDetectableByVerdict
};

VerdictFindings FindVerdict(const WheelBiasReport& report, std::stop_token stop = {});

}  // namespace orvanta
