// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/model/SpinModel.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <numeric>
#include <random>
#include <string>

namespace orvanta {
namespace {

class SpinModelTest : public ::testing::Test {
protected:
    NumberTable table_ = BuildNumberTable();
    SpinModel model_{table_};

    void Add(std::initializer_list<int> spins) {
        for (int n : spins) {
            model_.AddResult(n);
        }
    }
};

template <std::size_t N>
int SumFromOne(const std::array<int, N>& counts) {
    return std::accumulate(counts.begin() + 1, counts.end(), 0);
}

void ExpectInvariants(const SpinModel& model) {
    const SpinTallies& t = model.Tallies();
    const int count = model.SpinCount();
    EXPECT_EQ(t.RedCount + t.BlackCount + t.ZeroCount, count);
    EXPECT_EQ(t.HighCount + t.LowCount + t.ZeroCount, count);
    EXPECT_EQ(t.EvenCount + t.OddCount + t.ZeroCount, count);
    EXPECT_EQ(SumFromOne(t.N12Count) + t.ZeroCount, count);
    EXPECT_EQ(SumFromOne(t.N6Count) + t.ZeroCount, count);
    EXPECT_EQ(SumFromOne(t.RowCount) + t.ZeroCount, count);
    EXPECT_EQ(SumFromOne(t.ColumnCount) + t.ZeroCount, count);
    EXPECT_EQ(SumFromOne(t.SectorCount), count);
    EXPECT_EQ(t.RowCount[0] + t.SectorCount[0] + t.ColumnCount[0] + t.N12Count[0] + t.N6Count[0], 0);
}

TEST_F(SpinModelTest, NineteenNineteenZero) {
    Add({19, 19, 0});
    const SpinTallies& t = model_.Tallies();
    EXPECT_EQ(model_.SpinCount(), 3);
    EXPECT_EQ(t.RedCount, 2);
    EXPECT_EQ(t.BlackCount, 0);
    EXPECT_EQ(t.ZeroCount, 1);
    EXPECT_EQ(t.HighCount, 2);
    EXPECT_EQ(t.LowCount, 0);
    EXPECT_EQ(t.OddCount, 2);
    EXPECT_EQ(t.EvenCount, 0);
    EXPECT_EQ(t.N12Count[2], 2);
    EXPECT_EQ(t.N6Count[4], 2);
    EXPECT_EQ(t.RowCount[7], 2);
    EXPECT_EQ(t.ColumnCount[1], 2);
    EXPECT_EQ(t.SectorCount[1], 3);
    ExpectInvariants(model_);
}

TEST_F(SpinModelTest, ZeroCountsOnlyAsZeroAndInTheFirstSector) {
    Add({0});
    SpinTallies expected;
    expected.ZeroCount = 1;
    expected.SectorCount[1] = 1;
    EXPECT_EQ(model_.Tallies(), expected);
}

TEST_F(SpinModelTest, TwoDigitCodesCountAtTheirValue) {
    Add({36, 34, 31});
    const SpinTallies& t = model_.Tallies();
    EXPECT_EQ(t.RowCount[12], 2);
    EXPECT_EQ(t.RowCount[11], 1);
    EXPECT_EQ(t.RowCount[1], 0);
    EXPECT_EQ(t.N6Count[6], 3);
    EXPECT_EQ(t.ColumnCount[3], 1);
    EXPECT_EQ(t.ColumnCount[1], 2);
}

TEST_F(SpinModelTest, SlotsHoldBlankPaddedTextsInEntryOrder) {
    Add({7, 36, 0, 10});
    EXPECT_EQ(model_.SlotText(1), "7 ");
    EXPECT_EQ(model_.SlotText(2), "36");
    EXPECT_EQ(model_.SlotText(3), "0 ");
    EXPECT_EQ(model_.SlotText(4), "10");
    EXPECT_EQ(model_.SpinAt(1), 7);
    EXPECT_EQ(model_.SpinAt(4), 10);
    // Slot 0 and the slots above the count hold no spin.
    EXPECT_EQ(model_.SlotText(0), "  ");
    EXPECT_EQ(model_.SlotText(5), "  ");
}

TEST_F(SpinModelTest, InvariantsHoldOverManyRandomSpins) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> number(0, 36);
    std::array<int, kNumberCount> seen{};
    for (int i = 1; i <= 20000; ++i) {
        const int n = number(random);
        ++seen[n];
        model_.AddResult(n);
        if (i % 997 == 0) {
            ExpectInvariants(model_);
        }
    }
    ExpectInvariants(model_);
    const SpinTallies& t = model_.Tallies();
    EXPECT_EQ(t.ZeroCount, seen[0]);
    EXPECT_EQ(t.RowCount[12], seen[34] + seen[35] + seen[36]);
    EXPECT_EQ(t.SectorCount[6], seen[29] + seen[7] + seen[28] + seen[12] + seen[35] + seen[3] + seen[26]);
    EXPECT_EQ(t.RedCount, seen[1] + seen[3] + seen[5] + seen[7] + seen[9] + seen[12] + seen[14] + seen[16] +
                              seen[18] + seen[19] + seen[21] + seen[23] + seen[25] + seen[27] + seen[30] +
                              seen[32] + seen[34] + seen[36]);
}

TEST_F(SpinModelTest, ClearEmptiesEverythingAndRefillStartsAtSlotOne) {
    Add({5, 17, 0, 32, 32});
    model_.ClearResults();
    EXPECT_EQ(model_.SpinCount(), 0);
    EXPECT_EQ(model_.Tallies(), SpinTallies{});
    EXPECT_EQ(model_.SlotText(1), "  ");

    Add({14, 0});
    EXPECT_EQ(model_.SpinCount(), 2);
    EXPECT_EQ(model_.SlotText(1), "14");
    EXPECT_EQ(model_.SlotText(2), "0 ");

    SpinModel fresh(table_);
    fresh.AddResult(14);
    fresh.AddResult(0);
    EXPECT_EQ(model_.Tallies(), fresh.Tallies());
}

TEST_F(SpinModelTest, NumbersOffTheWheelAreIgnored) {
    Add({5});
    const SpinTallies before = model_.Tallies();
    Add({-1, 37, 100, 255, -128, INT_MIN, INT_MAX});
    EXPECT_EQ(model_.SpinCount(), 1);
    EXPECT_EQ(model_.Tallies(), before);
    EXPECT_EQ(model_.SlotText(2), "  ");
}

// The history has no fixed capacity and no counter wraps at 16 bits.
TEST_F(SpinModelTest, LongHistoriesNeitherStopNorWrap) {
    constexpr int kSpins = 70000;
    for (int i = 0; i < kSpins; ++i) {
        model_.AddResult(i % 2 == 0 ? 0 : 36);
    }
    const SpinTallies& t = model_.Tallies();
    EXPECT_EQ(model_.SpinCount(), kSpins);
    EXPECT_EQ(t.ZeroCount, kSpins / 2);
    EXPECT_EQ(t.RedCount, kSpins / 2);
    EXPECT_EQ(t.SectorCount[1], kSpins / 2);
    EXPECT_EQ(t.SectorCount[3], kSpins / 2);
    EXPECT_EQ(model_.SlotText(65537), "0 ");
    EXPECT_EQ(model_.SlotText(kSpins), "36");
    ExpectInvariants(model_);
}

// Corrections anywhere in the history leave exactly the tallies of a history entered
// that way from the start.
TEST_F(SpinModelTest, InsertionsAndRemovalsKeepTheTalliesOfTheHistory) {
    std::mt19937 random(14);
    std::vector<std::int8_t> expected;
    for (int i = 0; i < 3000; ++i) {
        const int count = static_cast<int>(expected.size());
        if (count > 0 && random() % 3 == 0) {
            const int at = std::uniform_int_distribution<int>(1, count)(random);
            const int taken = std::min(static_cast<int>(random() % 6), count - at + 1);
            ASSERT_TRUE(model_.RemoveResults(at, taken));
            expected.erase(expected.begin() + (at - 1), expected.begin() + (at - 1 + taken));
        } else {
            std::vector<std::int8_t> spins(random() % 4 == 0 ? 40 : 1);
            for (auto& n : spins) {
                n = static_cast<std::int8_t>(random() % 37);
            }
            const int position = std::uniform_int_distribution<int>(1, count + 1)(random);
            ASSERT_TRUE(model_.InsertResults(position, spins));
            expected.insert(expected.begin() + (position - 1), spins.begin(), spins.end());
        }
    }
    ASSERT_EQ(model_.Spins(), expected);
    SpinModel rebuilt(table_);
    for (const std::int8_t n : expected) {
        rebuilt.AddResult(n);
    }
    EXPECT_EQ(model_.Tallies(), rebuilt.Tallies());
    ExpectInvariants(model_);
}

// A history taken whole (a load) has the tallies of the same spins entered one by one;
// a single number off the wheel, a negative byte too, refuses it all.
TEST_F(SpinModelTest, AHistoryTakenWholeIsTalliedAsEnteredOneByOne) {
    Add({5, 5});
    std::mt19937 random(24);
    std::vector<std::int8_t> spins(5000);
    for (auto& n : spins) {
        n = static_cast<std::int8_t>(random() % 37);
    }
    ASSERT_TRUE(model_.ReplaceResults(spins));
    SpinModel rebuilt(table_);
    for (const std::int8_t n : spins) {
        rebuilt.AddResult(n);
    }
    EXPECT_EQ(model_.Spins(), spins);
    EXPECT_EQ(model_.Tallies(), rebuilt.Tallies());
    for (const std::int8_t bad : {std::int8_t{37}, std::int8_t{-1}}) {
        std::vector<std::int8_t> spoiled = spins;
        spoiled[2500] = bad;
        EXPECT_FALSE(model_.ReplaceResults(spoiled));
        EXPECT_EQ(model_.Spins(), spins);
        EXPECT_EQ(model_.Tallies(), rebuilt.Tallies());
    }
}

TEST_F(SpinModelTest, EditsOutsideTheHistoryChangeNothing) {
    Add({5, 17});
    const std::vector<std::int8_t> offTheWheel{3, 37};
    EXPECT_FALSE(model_.InsertResult(0, 1));
    EXPECT_FALSE(model_.InsertResult(4, 1));
    EXPECT_FALSE(model_.InsertResult(1, 37));
    EXPECT_FALSE(model_.InsertResults(1, offTheWheel));
    EXPECT_FALSE(model_.RemoveResults(0, 1));
    EXPECT_FALSE(model_.RemoveResults(2, 2));
    EXPECT_FALSE(model_.RemoveResults(1, -1));
    EXPECT_EQ(model_.Spins(), (std::vector<std::int8_t>{5, 17}));
    EXPECT_TRUE(model_.InsertResult(3, 0));
    EXPECT_TRUE(model_.RemoveResult(1));
    EXPECT_EQ(model_.Spins(), (std::vector<std::int8_t>{17, 0}));
}

// A view that follows the history tells new spins from a correction by the rewrites.
TEST_F(SpinModelTest, OnlyChangesToRecordedSpinsCountAsRewrites) {
    const std::vector<std::int8_t> two{1, 2};
    const std::pair<std::function<void()>, std::uint64_t> rows[] = {
        {[&] { model_.AddResult(5); }, 0},
        {[&] { model_.AppendResults(two); }, 0},
        {[&] { model_.InsertResult(model_.SpinCount() + 1, 7); }, 0},
        {[&] { model_.RemoveResults(2, 0); }, 0},
        {[&] { model_.InsertResult(1, 7); }, 1},
        {[&] { model_.RemoveResult(2); }, 2},
        {[&] { model_.ClearResults(); }, 3},
    };
    for (const auto& [edit, rewrites] : rows) {
        edit();
        EXPECT_EQ(model_.Rewrites(), rewrites);
    }
}

}  // namespace
}  // namespace orvanta
