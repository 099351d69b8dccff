// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/model/NumberTable.h"

namespace orvanta {

// Running counts per classification value. Element 0 of every array is never
// counted. Counts are int so that nothing wraps on long histories.
// NOLINTBEGIN(readability-identifier-naming): the fields of a documented record keep
// the names that tools and tests outside the program know.
struct SpinTallies {
    std::array<int, 13> RowCount{};
    std::array<int, 7> SectorCount{};
    std::array<int, 4> ColumnCount{};
    std::array<int, 4> N12Count{};
    std::array<int, 7> N6Count{};
    int EvenCount = 0;
    int OddCount = 0;
    int HighCount = 0;
    int LowCount = 0;
    int RedCount = 0;
    int BlackCount = 0;
    int ZeroCount = 0;

    bool operator==(const SpinTallies&) const = default;
};
// NOLINTEND(readability-identifier-naming)

// The ordered history of spins and the tallies per classification value. It has no
// fixed capacity; corrections insert and remove spins anywhere, and the tallies stay
// exactly those of the history.
class SpinModel {
public:
    explicit SpinModel(const NumberTable& table) : table_(&table) {}
    SpinModel(NumberTable&&) = delete;  // the table must outlive the model

    // Records one spin of n and counts its codes. A number outside 0 to 36 is
    // ignored, so a bad caller can never store a spin that has no codes.
    void AddResult(int n);

    // Empties the history and zeroes every tally.
    void ClearResults();

    // Takes spins as the whole history (a load, a restore) and tallies them in one
    // sweep. Nothing changes and false is returned when one is no wheel number.
    bool ReplaceResults(std::vector<std::int8_t> spins);

    // Puts spins before slot position (1-based; SpinCount() + 1 appends), so that the
    // first of them becomes slot position. Nothing changes and false is returned when
    // the position lies outside 1..SpinCount() + 1 or a number outside 0 to 36.
    bool InsertResults(int position, std::span<const std::int8_t> spins);
    bool InsertResult(int position, int n);
    bool AppendResults(std::span<const std::int8_t> spins) { return InsertResults(SpinCount() + 1, spins); }

    // Takes count spins out from slot position on; false, with nothing changed, when
    // they are not all in the history.
    bool RemoveResults(int position, int count);
    bool RemoveResult(int position) { return RemoveResults(position, 1); }

    int SpinCount() const { return static_cast<int>(spins_.size()); }

    // How many times spins already recorded were changed: removed, cleared, replaced
    // whole, or pushed back by an insertion before the end. Appending leaves it alone, so a
    // view that follows the history can tell new spins from a correction.
    std::uint64_t Rewrites() const { return rewrites_; }

    // The number of slot i, 1-based and oldest first. i must lie in 1..SpinCount().
    int SpinAt(int i) const { return spins_[static_cast<std::size_t>(i - 1)]; }

    // The slot's text: the number blank-padded to two characters ("7 ", "36"),
    // or two blanks for a slot that holds no spin.
    std::string SlotText(int i) const;

    // Every spin, oldest first.
    const std::vector<std::int8_t>& Spins() const { return spins_; }

    const SpinTallies& Tallies() const { return tallies_; }
    const NumberTable& Table() const { return *table_; }

private:
    // Adds delta to every tally that the codes of n select.
    void Count(int n, int delta);
    // Count for every spin of a run, from how often each number occurs in it: 37 steps
    // whatever the run's length.
    void CountAll(const std::array<int, 256>& times, int sign);

    const NumberTable* table_;
    std::vector<std::int8_t> spins_;
    SpinTallies tallies_;
    std::uint64_t rewrites_ = 0;
};

}  // namespace orvanta
