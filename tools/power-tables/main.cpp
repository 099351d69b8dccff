// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

#include "core/stats/DetectionPower.h"
#include "core/stats/Evidence.h"
#include "core/stats/EvidenceSimulation.h"
#include "core/stats/VerdictSimulation.h"

// Prints the power tables of src/core/stats/DetectionPower.cpp, simulating the
// window's two procedures exactly as the window runs them. Takes some minutes: the
// smallest advantages need millions of spins per history.
//   orvanta_power_tables > tables.txt

namespace {

using namespace orvanta;

// Advantage - 1, from a number that comes every spin down to just below break-even (1/36).
constexpr std::array<double, kEvidenceReach.size()> kAdvantagesAboveFair = {
    36,  24,  16,   10,   7,    5,    3.5,  2.5,   1.8,   1.3,   1.0,   0.75, 0.55,
    0.4, 0.3, 0.22, 0.16, 0.12, 0.09, 0.07, 0.055, 0.045, 0.035, 0.031, 0.027};

// The first alarm of `histories` histories, on every core; past `cap` counts as never.
std::vector<std::int64_t> FirstAlarms(double hitProbability, int histories, std::int64_t cap) {
    std::vector<std::int64_t> spins(static_cast<std::size_t>(histories));
    std::atomic<int> next = 0;
    std::vector<std::thread> workers;
    for (unsigned w = 0; w < std::max(1u, std::thread::hardware_concurrency()); ++w) {
        workers.emplace_back([&] {
            for (int h = next++; h < histories; h = next++) {
                spins[static_cast<std::size_t>(h)] =
                    FirstAlarm(hitProbability, cap, kEvidenceAlarm, 1'000'003 + static_cast<std::uint64_t>(h))
                        .value_or(cap + 1);
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    std::sort(spins.begin(), spins.end());
    return spins;
}

std::int64_t TwoDigits(double value) {
    const double scale = std::pow(10.0, std::floor(std::log10(value)) - 1);
    return static_cast<std::int64_t>(std::round(value / scale) * scale);
}

}  // namespace

int main() {
    std::vector<EvidenceReach> reach;
    std::int64_t previous = 10;
    for (const double above : kAdvantagesAboveFair) {
        const double advantage = 1.0 + above;
        const int histories = previous < 20'000 ? 2'000 : (previous < 200'000 ? 1'000 : 400);
        std::int64_t cap = std::max<std::int64_t>(2'000, previous * 10);
        std::int64_t spins = 0;
        for (;; cap *= 4) {
            const std::vector<std::int64_t> alarms = FirstAlarms(advantage / kPocketCount, histories, cap);
            spins = alarms[static_cast<std::size_t>(std::ceil(kDetectionPower * histories)) - 1];
            if (spins <= cap) {
                break;
            }
        }
        std::fprintf(stderr, "advantage %.3f: %lld spins (%d histories)\n", advantage,
                     static_cast<long long>(spins), histories);
        reach.push_back({advantage, spins});
        previous = spins;
    }
    std::printf("const std::array<EvidenceReach, %zu> kEvidenceReach = {{\n", reach.size());
    for (auto it = reach.rbegin(); it != reach.rend(); ++it) {
        std::printf("    {%.3f, %lld},\n", it->advantage, static_cast<long long>(it->spins));
    }
    std::printf("}};\n");

    std::printf("const std::array<std::int64_t, kAdvantagesOfInterest.size()> kVerdictSpinsNeeded = {");
    for (std::size_t i = 0; i < kAdvantagesOfInterest.size(); ++i) {
        // Bisection on log spins; the same seeds at every step keep the power smooth in the spins.
        double low = std::log(100.0);
        double high = std::log(1e8);
        for (int step = 0; step < 18; ++step) {
            const double middle = (low + high) / 2;
            const FairHistories fair = SimulateFairHistories(std::llround(std::exp(middle)));
            if (VerdictPower(fair, kAdvantagesOfInterest[i], 20'000) >= kDetectionPower) {
                high = middle;
            } else {
                low = middle;
            }
        }
        std::printf("%s%lld", i == 0 ? "" : ", ", static_cast<long long>(TwoDigits(std::exp(high))));
    }
    std::printf("};\n");
    return 0;
}
