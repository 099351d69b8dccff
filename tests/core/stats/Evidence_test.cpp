// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/Evidence.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>

#include "core/stats/EvidenceSimulation.h"
#include "core/stats/EvidenceText.h"
#include "core/stats/EvidenceTracker.h"

#include "StatsHistories.h"

namespace orvanta {
namespace {

// Spins of a wheel on which each number comes in proportion to its weight.
std::vector<std::int8_t> WeightedHistory(std::size_t length, std::array<double, kPocketCount> weights,
                                         std::uint32_t seed) {
    std::mt19937 random(seed);
    std::discrete_distribution<int> wheel(weights.begin(), weights.end());
    std::vector<std::int8_t> history(length);
    for (std::int8_t& n : history) {
        n = static_cast<std::int8_t>(wheel(random));
    }
    return history;
}

std::array<double, kPocketCount> Favouring(std::initializer_list<int> numbers, double factor) {
    std::array<double, kPocketCount> weights;
    weights.fill(1.0);
    for (const int n : numbers) {
        weights[static_cast<std::size_t>(n)] = factor;
    }
    return weights;
}

// Before any spin every likelihood ratio is 1; after one, each family's average of
// them is still exactly 1, whatever the spin: the mixtures are martingales.
TEST(Evidence, StartsAtOneAndAnySingleSpinLeavesIt) {
    EXPECT_EQ(ComputeEvidence({}).figures.eValue, 1.0);
    for (int n = 0; n < kPocketCount; ++n) {
        const EvidenceReport report = ComputeEvidence(std::vector<std::int8_t>{static_cast<std::int8_t>(n)});
        for (const FamilyEvidence& family : report.figures.families) {
            EXPECT_NEAR(family.eValue, 1.0, 1e-9) << n;
        }
    }
    EXPECT_THROW(ComputeEvidence(std::vector<std::int8_t>{3, 37}), std::invalid_argument);
}

// The live window adds spin by spin what a load studies at once; both must say the same.
TEST(Evidence, SpinBySpinGivesTheFiguresOfTheWholeHistory) {
    const std::pair<const char*, std::vector<std::int8_t>> histories[] = {
        {"fair", test::FairHistory(3'000, 4)},
        {"17 twice as likely", WeightedHistory(3'000, Favouring({17}, 2.0), 5)},
        {"longer than is looked at spin by spin", WeightedHistory(40'000, Favouring({5, 24, 16}, 1.05), 6)},
    };
    for (const auto& [name, history] : histories) {
        EvidenceTracker tracker;
        for (std::size_t i = 0; i < history.size(); ++i) {
            tracker.Add(history[i]);
            if (i % 97 == 0) {
                ASSERT_NEAR(tracker.logEValue(), EvaluateEvidence(tracker.countByNumber()).logEValue, 1e-9)
                    << name << " at spin " << i + 1;
            }
        }
        const EvidenceReport whole = ComputeEvidence(history);
        const EvidenceReport followed = tracker.Report();
        EXPECT_NEAR(std::log(followed.figures.eValue), std::log(whole.figures.eValue), 1e-12) << name;
        EXPECT_EQ(followed.figures.strongest, whole.figures.strongest) << name;
        EXPECT_EQ(EvidenceCarrierText(followed.figures.families[followed.figures.strongest]),
                  EvidenceCarrierText(whole.figures.families[whole.figures.strongest]))
            << name;
        if (static_cast<std::int64_t>(history.size()) <= kEvidenceEverySpin) {
            EXPECT_EQ(followed.alarmSpin, whole.alarmSpin) << name;
            EXPECT_NEAR(followed.peak, whole.peak, followed.peak * 1e-9) << name;
        }
        // A correction studies the history afresh, then follows it spin by spin again.
        EvidenceTracker resumed(std::span<const std::int8_t>(history).first(history.size() - 500));
        for (std::size_t i = history.size() - 500; i < history.size(); ++i) {
            resumed.Add(history[i]);
        }
        EXPECT_NEAR(resumed.logEValue(), whole.figures.logEValue, 1e-9) << name;
    }
}

struct CarrierRow {
    const char* name;
    std::array<double, kPocketCount> weights;
    EvidenceFamily family;
    const char* carrier;
};

TEST(Evidence, NamesWhatCarriesIt) {
    std::array<double, kPocketCount> reds;
    for (int n = 0; n < kPocketCount; ++n) {
        reds[static_cast<std::size_t>(n)] = IsRedNumber(n) ? 1.3 : 1.0;
    }
    const CarrierRow rows[] = {
        {"one number", Favouring({17}, 2.0), EvidenceFamily::Numbers, "17"},
        {"a stretch", Favouring({5, 24, 16, 33, 1}, 1.6), EvidenceFamily::Arcs, "the arc 5 24 16 33 1"},
        {"a colour", reds, EvidenceFamily::Classifications, "Color (R)"},
    };
    for (const CarrierRow& row : rows) {
        const EvidenceFigures figures = ComputeEvidence(WeightedHistory(6'000, row.weights, 9)).figures;
        const FamilyEvidence& strongest = figures.families[figures.strongest];
        EXPECT_GT(figures.eValue, kEvidenceStrongAlarm) << row.name;
        EXPECT_EQ(strongest.family, row.family) << row.name;
        EXPECT_EQ(EvidenceCarrierText(strongest), row.carrier) << row.name;
    }
}

// Ville's inequality: however often a fair wheel is looked at, its evidence ever
// reaches 20 at most 1 time in 20 and 100 at most 1 time in 100. A chi-squared test at
// 5 % looked at after every spin from its 185th (where it becomes reliable) cries
// bias far more often: the simulation tells the two apart.
TEST(Evidence, FairWheelLookedAtAfterEverySpinRarelyReachesTheAlarm) {
    constexpr int kHistories = 300;
    constexpr int kSpins = 3'000;
    const double critical = boost::math::quantile(boost::math::chi_squared(kPocketCount - 1), 0.95);
    std::mt19937 random(2024);
    int alarms = 0;
    int strongAlarms = 0;
    int naive = 0;
    for (int h = 0; h < kHistories; ++h) {
        EvidenceTracker evidence;
        std::array<std::int64_t, kPocketCount> counts{};
        double squares = 0.0;
        bool cried = false;
        for (int spin = 1; spin <= kSpins; ++spin) {
            const auto n = static_cast<std::size_t>(random() % kPocketCount);
            squares += 2.0 * static_cast<double>(counts[n]) + 1.0;
            ++counts[n];
            evidence.Add(static_cast<int>(n));
            cried = cried || (spin >= 185 && kPocketCount * squares / spin - spin > critical);
        }
        const EvidenceReport report = evidence.Report();
        alarms += report.alarmSpin ? 1 : 0;
        strongAlarms += report.strongAlarmSpin ? 1 : 0;
        naive += cried ? 1 : 0;
    }
    // Allowances of about two standard errors of a share of 300 histories.
    EXPECT_LE(alarms, kHistories * 0.05 + 8) << "ever 20";
    EXPECT_LE(strongAlarms, kHistories * 0.01 + 4) << "ever 100";
    EXPECT_GT(naive, kHistories * 0.20) << "p < 0.05 at any look";
}

// The evidence finds what the window promises it finds: 17 twice as likely (2/38)
// within 2,000 spins in at least 90 % of histories; a number coming once in 30 within
// 25,000 spins in at least 80 %.
TEST(Evidence, FavouredNumbersSetOffTheAlarm) {
    const std::tuple<double, std::int64_t, int, double> rows[] = {{2.0 / 38, 2'000, 200, 0.90},
                                                                  {1.0 / 30, 25'000, 100, 0.80}};
    for (const auto& [hit, spins, histories, atLeast] : rows) {
        EXPECT_GE(EvidencePower(hit, spins, histories, 77), atLeast) << hit;
    }
}

TEST(EvidenceText, HeadlineAndWhatCarriesIt) {
    const EvidenceReport hot = ComputeEvidence(WeightedHistory(3'000, Favouring({17}, 2.0), 5));
    EXPECT_EQ(EvidenceHeadline(hot).rfind("Evidence against a fair wheel: ", 0), 0u);
    EXPECT_TRUE(EvidenceHeadline(hot).ends_with(" (alarm at 20)"));
    EXPECT_EQ(EvidenceDetail(hot).rfind(
                  "Over 3,000 spins, carried by the single numbers, most by 17. Strong alarm:", 0),
              0u);
    std::array<int, kPocketCount> even;
    even.fill(81);
    const EvidenceReport fair = ComputeEvidence(test::HistoryWithCounts(even));
    EXPECT_EQ(EvidenceDetail(fair).rfind("Below 1: so far 2,997 spins fit a fair wheel better", 0), 0u);
}

}  // namespace
}  // namespace orvanta
