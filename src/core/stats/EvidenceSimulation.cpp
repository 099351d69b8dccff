// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stats/EvidenceSimulation.h"

#include <boost/random/mersenne_twister.hpp>
#include <boost/random/uniform_01.hpp>
#include <boost/random/uniform_int_distribution.hpp>

#include <algorithm>

#include "core/stats/Evidence.h"
#include "core/stats/EvidenceTracker.h"

namespace orvanta {

std::optional<std::int64_t> FirstAlarm(double hitProbability, std::int64_t maxSpins, double alarm,
                                       std::uint64_t seed) {
    boost::random::mt19937_64 random(seed);
    boost::random::uniform_01<double> chance;
    boost::random::uniform_int_distribution<int> other(0, kPocketCount - 2);
    const int favoured = boost::random::uniform_int_distribution<int>(0, kPocketCount - 1)(random);
    EvidenceTracker evidence;
    for (std::int64_t spin = 1; spin <= maxSpins; ++spin) {
        int number = favoured;
        if (chance(random) >= hitProbability) {
            number = other(random);
            number += number >= favoured ? 1 : 0;
        }
        evidence.Add(number);
        if (evidence.eValue() >= alarm) {
            return spin;
        }
    }
    return std::nullopt;
}

double EvidencePower(double hitProbability, std::int64_t spins, int histories, std::uint64_t seed,
                     std::stop_token stop) {
    int alarmed = 0;
    for (int h = 0; h < histories && !stop.stop_requested(); ++h) {
        alarmed +=
            FirstAlarm(hitProbability, spins, kEvidenceAlarm, seed + static_cast<std::uint64_t>(h)) ? 1 : 0;
    }
    return static_cast<double>(alarmed) / std::max(1, histories);
}

std::int64_t FewestSpinsForAlarm() {
    static const std::int64_t kFewest = [] {
        for (std::int64_t spins = 1;; ++spins) {
            for (int number = 0; number < kPocketCount; ++number) {
                std::array<std::int64_t, kPocketCount> counts{};
                counts[static_cast<std::size_t>(number)] = spins;
                if (EvaluateEvidence(counts).eValue >= kEvidenceAlarm) {
                    return spins;
                }
            }
        }
    }();
    return kFewest;
}

}  // namespace orvanta
