// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/model/SpinModel.h"

#include <algorithm>
#include <limits>

#include "core/model/CodeText.h"

namespace orvanta {

namespace {

// Adds delta to the array element that a code names; "-" (no value) and codes
// outside the array count nowhere.
template <std::size_t N>
void CountCode(std::array<int, N>& counts, const std::string& code, int delta) {
    if (code == "-") {
        return;
    }
    const int index = CodeValue(code);
    if (index > 0 && static_cast<std::size_t>(index) < N) {
        counts[static_cast<std::size_t>(index)] += delta;
    }
}

// How often each byte value occurs in a run of spins, found in one sweep whatever its
// length; a value off the wheel shows as a count past the wheel's numbers.
using Occurrences = std::array<int, 256>;

Occurrences CountOccurrences(std::span<const std::int8_t> spins) {
    Occurrences times{};
    for (const std::int8_t n : spins) {
        ++times[static_cast<std::uint8_t>(n)];
    }
    return times;
}

bool OnlyWheelNumbers(const Occurrences& times) {
    return std::all_of(times.begin() + kNumberCount, times.end(), [](int count) { return count == 0; });
}

}  // namespace

// The path of every click and every loaded spin, kept to an append and a count.
void SpinModel::AddResult(int n) {
    if (!IsWheelNumber(n) || spins_.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return;
    }
    spins_.push_back(static_cast<std::int8_t>(n));
    Count(n, +1);
}

bool SpinModel::InsertResult(int position, int n) {
    if (!IsWheelNumber(n)) {
        return false;
    }
    const auto spin = static_cast<std::int8_t>(n);
    return InsertResults(position, std::span(&spin, 1));
}

bool SpinModel::InsertResults(int position, std::span<const std::int8_t> spins) {
    const std::size_t room = static_cast<std::size_t>(std::numeric_limits<int>::max()) - spins_.size();
    if (position < 1 || position > SpinCount() + 1 || spins.size() > room) {
        return false;
    }
    // A click inserts one spin: counted directly, without a sweep over 256 values.
    if (spins.size() == 1) {
        if (!IsWheelNumber(spins[0])) {
            return false;
        }
        if (position <= SpinCount()) {
            ++rewrites_;
        }
        spins_.insert(spins_.begin() + (position - 1), spins[0]);
        Count(spins[0], +1);
        return true;
    }
    const Occurrences times = CountOccurrences(spins);
    if (!OnlyWheelNumbers(times)) {
        return false;
    }
    if (position <= SpinCount() && !spins.empty()) {
        ++rewrites_;
    }
    spins_.insert(spins_.begin() + (position - 1), spins.begin(), spins.end());
    CountAll(times, +1);
    return true;
}

bool SpinModel::RemoveResults(int position, int count) {
    if (position < 1 || count < 0 || count > SpinCount() - (position - 1)) {
        return false;
    }
    if (count > 0) {
        ++rewrites_;
    }
    const auto first = spins_.begin() + (position - 1);
    if (count == 1) {
        Count(*first, -1);
    } else {
        CountAll(CountOccurrences(std::span(first, first + count)), -1);
    }
    spins_.erase(first, first + count);
    return true;
}

bool SpinModel::ReplaceResults(std::vector<std::int8_t> spins) {
    if (spins.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return false;
    }
    const Occurrences times = CountOccurrences(spins);
    if (!OnlyWheelNumbers(times)) {
        return false;
    }
    // The history keeps one byte a spin, not the room that growing it while it was read left over.
    spins.shrink_to_fit();
    ++rewrites_;
    spins_ = std::move(spins);
    tallies_ = SpinTallies{};
    CountAll(times, +1);
    return true;
}

void SpinModel::CountAll(const std::array<int, 256>& times, int sign) {
    for (int n = 0; n < kNumberCount; ++n) {
        if (times[static_cast<std::size_t>(n)] != 0) {
            Count(n, sign * times[static_cast<std::size_t>(n)]);
        }
    }
}

void SpinModel::Count(int n, int delta) {
    const NumberInfo& info = (*table_)[static_cast<std::size_t>(n)];
    SpinTallies& t = tallies_;

    if (info.Color == "-") {
        t.ZeroCount += delta;
    } else if (info.Color == "R") {
        t.RedCount += delta;
    } else if (info.Color == "B") {
        t.BlackCount += delta;
    }

    if (info.HighLow == "H") {
        t.HighCount += delta;
    } else if (info.HighLow == "L") {
        t.LowCount += delta;
    }

    if (info.EvenOdd == "E") {
        t.EvenCount += delta;
    } else if (info.EvenOdd == "O") {
        t.OddCount += delta;
    }

    CountCode(t.N6Count, info.N6, delta);
    CountCode(t.N12Count, info.N12, delta);
    CountCode(t.RowCount, info.Row, delta);
    CountCode(t.ColumnCount, info.Column, delta);
    CountCode(t.SectorCount, info.Sector, delta);
}

void SpinModel::ClearResults() {
    ++rewrites_;
    spins_.clear();
    tallies_ = SpinTallies{};
}

std::string SpinModel::SlotText(int i) const {
    if (i < 1 || i > SpinCount()) {
        return "  ";
    }
    std::string text = std::to_string(SpinAt(i));
    text.resize(2, ' ');
    return text;
}

}  // namespace orvanta
