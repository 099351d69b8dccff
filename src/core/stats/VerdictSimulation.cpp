// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/VerdictSimulation.h"

#include <boost/random/binomial_distribution.hpp>
#include <boost/random/mersenne_twister.hpp>
#include <boost/random/uniform_int_distribution.hpp>

#include <algorithm>
#include <cmath>

namespace orvanta {
namespace {

using Random = boost::random::mt19937_64;
using Counts = std::array<std::int64_t, kPocketCount>;

std::int64_t Binomial(std::int64_t trials, double probability, Random& random) {
    if (trials <= 0 || probability <= 0.0) {
        return 0;
    }
    if (probability >= 1.0) {
        return trials;
    }
    return boost::random::binomial_distribution<std::int64_t>(trials, probability)(random);
}

// `spins` spins shared evenly among the numbers not yet counted, drawn at once as a
// multinomial by successive binomials: each number takes its share of what the ones
// before it left. So a history costs the same whatever its length.
void ShareEvenly(std::int64_t spins, Counts& counts, int skipped, Random& random) {
    int left = kPocketCount - (skipped >= 0 ? 1 : 0);
    for (int n = 0; n < kPocketCount && left > 0; ++n) {
        if (n == skipped) {
            continue;
        }
        const std::int64_t share = left == 1 ? spins : Binomial(spins, 1.0 / left, random);
        counts[static_cast<std::size_t>(n)] = share;
        spins -= share;
        --left;
    }
}

// One favoured number, a different one at random each history.
Counts FavouredCounts(std::int64_t spins, double hitProbability, Random& random) {
    Counts counts{};
    const int favoured = boost::random::uniform_int_distribution<int>(0, kPocketCount - 1)(random);
    counts[static_cast<std::size_t>(favoured)] = Binomial(spins, hitProbability, random);
    ShareEvenly(spins - counts[static_cast<std::size_t>(favoured)], counts, favoured, random);
    return counts;
}

bool CalledBias(const FairHistories& fair, const Counts& counts) {
    return CallOf(fair.GlobalPValue(StatisticsOf(counts)), fair.histories()) == VerdictCall::Bias;
}

}  // namespace

std::size_t FairHistories::Reaching(std::size_t test, double statistic) const {
    const std::vector<double>& sorted = sorted_[test];
    return static_cast<std::size_t>(sorted.end() - std::lower_bound(sorted.begin(), sorted.end(), statistic));
}

double FairHistories::TestPValue(std::size_t test, double statistic) const {
    return static_cast<double>(1 + Reaching(test, statistic)) / (1.0 + histories_);
}

std::size_t FairHistories::SmallestTest(const VerdictStatistics& observed) const {
    // The hottest number takes part at any number of spins.
    std::size_t smallest = static_cast<std::size_t>(VerdictTest::HottestNumber);
    for (std::size_t test = 0; test < kVerdictTestCount; ++test) {
        if (VerdictTestApplies(test, spins_) &&
            Reaching(test, observed[test]) < Reaching(smallest, observed[smallest])) {
            smallest = test;
        }
    }
    return smallest;
}

bool FairHistories::BeyondEvery(const VerdictStatistics& observed) const {
    const std::size_t test = SmallestTest(observed);
    return Reaching(test, observed[test]) == 0;
}

double FairHistories::GlobalPValue(const VerdictStatistics& observed) const {
    const std::size_t test = SmallestTest(observed);
    const double smallestP = TestPValue(test, observed[test]);
    const auto atMost =
        std::upper_bound(smallestP_.begin(), smallestP_.end(), smallestP) - smallestP_.begin();
    return static_cast<double>(1 + atMost) / (1.0 + histories_);
}

FairHistories SimulateFairHistories(std::int64_t spins, int histories, std::uint64_t seed,
                                    std::stop_token stop) {
    FairHistories fair;
    fair.spins_ = spins;
    Random random(seed);
    std::vector<VerdictStatistics> simulated;
    simulated.reserve(static_cast<std::size_t>(std::clamp(histories, 0, kFairHistories)));
    for (int h = 0; h < histories; ++h) {
        if (stop.stop_requested()) {
            fair.cancelled_ = true;
            return fair;
        }
        Counts counts{};
        ShareEvenly(spins, counts, -1, random);
        simulated.push_back(StatisticsOf(counts));
    }
    fair.histories_ = histories;
    for (std::size_t test = 0; test < kVerdictTestCount; ++test) {
        fair.sorted_[test].reserve(simulated.size());
        for (const VerdictStatistics& statistics : simulated) {
            fair.sorted_[test].push_back(statistics[test]);
        }
        std::sort(fair.sorted_[test].begin(), fair.sorted_[test].end());
    }
    // A simulated history's own p-values count it among the histories reaching it,
    // just as the observed one's count the observed history.
    fair.smallestP_.reserve(simulated.size());
    for (const VerdictStatistics& statistics : simulated) {
        const std::size_t test = fair.SmallestTest(statistics);
        fair.smallestP_.push_back(static_cast<double>(fair.Reaching(test, statistics[test])) /
                                  (1.0 + histories));
    }
    std::sort(fair.smallestP_.begin(), fair.smallestP_.end());
    return fair;
}

VerdictCall CallOf(double globalPValue, int histories) {
    const double error = std::sqrt(globalPValue * (1.0 - globalPValue) / std::max(1, histories));
    if (globalPValue < kVerdictLevel - 2.0 * error) {
        return VerdictCall::Bias;
    }
    return globalPValue > kVerdictLevel + 2.0 * error ? VerdictCall::NoSign : VerdictCall::Borderline;
}

double VerdictPower(const FairHistories& fair, double hitProbability, int histories, std::uint64_t seed,
                    std::stop_token stop) {
    Random random(seed);
    int found = 0;
    for (int h = 0; h < histories && !stop.stop_requested(); ++h) {
        found += CalledBias(fair, FavouredCounts(fair.spins(), hitProbability, random)) ? 1 : 0;
    }
    return static_cast<double>(found) / std::max(1, histories);
}

bool VerdictCanFlag(const FairHistories& fair) {
    Counts allZero{};
    allZero[0] = fair.spins();
    return fair.spins() > 0 && CalledBias(fair, allZero);
}

std::optional<double> SmallestDetectableByVerdict(const FairHistories& fair, std::stop_token stop) {
    constexpr double kFair = 1.0 / kPocketCount;
    if (fair.spins() <= 0 || VerdictPower(fair, 1.0, kPowerHistories, kPowerSeed, stop) < kVerdictPower) {
        return std::nullopt;
    }
    // Bisection on the log of the advantage; the same seed at every step keeps the
    // simulated power a smooth function of the hit probability.
    double low = 0.0;
    double high = std::log(1.0 / kFair);
    for (int step = 0; step < 14; ++step) {
        const double middle = (low + high) / 2;
        if (VerdictPower(fair, kFair * std::exp(middle), kPowerHistories, kPowerSeed, stop) >=
            kVerdictPower) {
            high = middle;
        } else {
            low = middle;
        }
    }
    if (stop.stop_requested()) {
        return std::nullopt;
    }
    return kFair * std::exp(high);
}

std::array<std::int64_t, kPocketCount> CountByNumber(const WheelBiasReport& report) {
    Counts counts{};
    for (const NumberFigures& figures : report.numbers) {
        counts[static_cast<std::size_t>(figures.number)] = figures.count;
    }
    return counts;
}

VerdictFindings FindVerdict(const WheelBiasReport& report, std::stop_token stop) {
    VerdictFindings findings;
    if (report.spins <= 0) {
        return findings;
    }
    const FairHistories fair = SimulateFairHistories(report.spins, kFairHistories, kFairHistoriesSeed, stop);
    if (fair.cancelled()) {
        findings.cancelled = true;
        return findings;
    }
    const VerdictStatistics observed = StatisticsOf(CountByNumber(report));
    findings.histories = fair.histories();
    findings.globalPValue = fair.GlobalPValue(observed);
    findings.call = CallOf(findings.globalPValue, fair.histories());
    findings.smallestTest = fair.SmallestTest(observed);
    findings.beyondEvery = fair.BeyondEvery(observed);
    for (std::size_t test = 0; test < kVerdictTestCount; ++test) {
        findings.testPValues[test] = fair.TestPValue(test, observed[test]);
    }
    for (const HottestArc& arc : report.arcs) {
        findings.arcPValues.push_back(
            fair.TestPValue(static_cast<std::size_t>(VerdictTest::HottestArc), arc.z));
    }
    findings.canFlag = VerdictCanFlag(fair);
    findings.detectable = SmallestDetectableByVerdict(fair, stop);
    findings.cancelled = stop.stop_requested();
    return findings;
}

}  // namespace orvanta
