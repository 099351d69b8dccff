// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/recovery/JournalFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using Spins = std::vector<std::int8_t>;

// A session as the window writes it: a file opened, spins clicked, one removed, one
// inserted before the third.
std::string Session() {
    const Spins loaded{7, 17, 0};
    const Spins click{36};
    const Spins inserted{5};
    return JournalHeader("run-1") + JournalReplace(loaded) + JournalFile("/home/a b/100%\nx.dat") +
           JournalClean() + JournalInsert(4, click) + JournalRemove(1, 1) + JournalInsert(3, inserted);
}

TEST(JournalFormat, ReplaysEveryRecord) {
    const JournalContents journal = ReadJournal(Session());
    EXPECT_EQ(journal.run, "run-1");
    EXPECT_EQ(journal.spins, (Spins{17, 0, 5, 36}));
    EXPECT_EQ(journal.file, "/home/a b/100%\nx.dat");
    EXPECT_TRUE(journal.unsaved);
    EXPECT_EQ(journal.damagedLine, 0);
    EXPECT_TRUE(journal.WorthRestoring());
}

// A history read from a long file is written to the journal piece by piece as it is
// read: the same record as the history written whole, and read back spin for spin.
TEST(JournalFormat, AReplacedHistoryWrittenInPiecesReadsBackWhole) {
    Spins spins(5000);
    for (std::size_t i = 0; i < spins.size(); ++i) {
        spins[i] = static_cast<std::int8_t>(i * 7 % 37);
    }
    JournalReplaceRecord record;
    for (std::size_t at = 0, piece = 0; at < spins.size(); at += piece++) {
        record.Append(std::span(spins).subspan(at, std::min(piece, spins.size() - at)));
    }
    const std::string whole = record.Take();
    EXPECT_EQ(whole, JournalReplace(spins));
    EXPECT_EQ(ReadJournal(JournalHeader("run-2") + whole).spins, spins);
    EXPECT_EQ(record.Take(), JournalReplace({}));
}

struct SavedRow {
    const char* name;
    std::string bytes;
    bool worthRestoring;
};

class SavedState : public ::testing::TestWithParam<SavedRow> {};

TEST_P(SavedState, OnlyUnsavedChangesAreWorthRestoring) {
    EXPECT_EQ(ReadJournal(GetParam().bytes).WorthRestoring(), GetParam().worthRestoring);
}

const Spins kTwo{1, 2};
INSTANTIATE_TEST_SUITE_P(
    Journals, SavedState,
    ::testing::Values(
        SavedRow{"NothingRecorded", JournalHeader("r"), false},
        SavedRow{"SpinsNeverSaved", JournalHeader("r") + JournalInsert(1, kTwo), true},
        SavedRow{"SavedAfterTheSpins",
                 JournalHeader("r") + JournalInsert(1, kTwo) + JournalFile("a.dat") + JournalClean(), false},
        SavedRow{"ChangedAfterTheSave",
                 JournalHeader("r") + JournalReplace(kTwo) + JournalFile("a.dat") + JournalClean() +
                     JournalRemove(2, 1),
                 true}),
    [](const auto& info) { return info.param.name; });

struct DamageRow {
    const char* name;
    std::string bytes;
    Spins spins;
    std::int64_t damagedLine;
    bool readWhole;  // nothing but a cut-off last line was lost: the journal may go
};

class Damage : public ::testing::TestWithParam<DamageRow> {};

TEST_P(Damage, RestoresTheRecordsBeforeIt) {
    const JournalContents journal = ReadJournal(GetParam().bytes);
    EXPECT_EQ(journal.spins, GetParam().spins);
    EXPECT_EQ(journal.damagedLine, GetParam().damagedLine);
    EXPECT_EQ(journal.ReadWhole(), GetParam().readWhole);
    // Read in pieces as small as a byte, it reads the same.
    for (std::size_t piece = 1; piece <= 7; piece += 3) {
        JournalReader reader;
        for (std::size_t at = 0; at < GetParam().bytes.size(); at += piece) {
            reader.Feed(std::string_view(GetParam().bytes).substr(at, piece));
        }
        const JournalContents pieces = reader.Finish();
        EXPECT_EQ(pieces.spins, journal.spins) << piece;
        EXPECT_EQ(pieces.damagedLine, journal.damagedLine) << piece;
    }
}

const Spins kOne{9};
const std::string kStart = JournalHeader("r") + JournalInsert(1, kTwo);
const std::string kLast = JournalInsert(3, kOne);

std::string Flipped(std::string bytes, std::size_t at) {
    bytes[at] ^= 0x01;
    return bytes;
}

const std::string kNewer = JournalLine("ORVANTA-JOURNAL 2 r") + JournalInsert(1, kTwo);

INSTANTIATE_TEST_SUITE_P(
    Journals, Damage,
    ::testing::Values(
        DamageRow{"CutOffLastLine", kStart + kLast.substr(0, kLast.size() - 1), {1, 2}, 3, true},
        DamageRow{"CutOffInsideTheCheck", kStart + kLast.substr(0, 6), {1, 2}, 3, true},
        DamageRow{"ByteChanged", kStart + Flipped(kLast, 2) + kLast, {1, 2}, 3, false},
        DamageRow{"ZerosAfterACrash", kStart + std::string(4096, '\0'), {1, 2}, 3, false},
        DamageRow{"StopsAtTheFirstBadLine", kStart + "junk\n" + kLast, {1, 2}, 3, false},
        DamageRow{"RemovalBeyondTheHistory", kStart + JournalRemove(2, 5) + kLast, {1, 2}, 3, false},
        DamageRow{"InsertionBeyondTheHistory", kStart + JournalInsert(9, kOne), {1, 2}, 3, false},
        // No record depends on the first line: the records after it are read.
        DamageRow{"FirstLineFlipped", Flipped(kStart + kLast, 3), {1, 2, 9}, 0, false},
        DamageRow{"NoHeader", JournalInsert(1, kTwo) + JournalInsert(1, kOne), {9}, 0, false},
        // A newer version is read up to its first record this one does not know.
        DamageRow{"NewerVersion", kNewer + JournalLine("R 1") + kLast, {1, 2}, 3, false},
        DamageRow{"NewerVersionOfKnownRecords", kNewer, {1, 2}, 0, false},
        DamageRow{"FirstLineOfGarbage", std::string(5000, 'x') + "\n" + kLast, {}, 1, false},
        DamageRow{"Empty", "", {}, 0, true}, DamageRow{"HeaderCutOff", kStart.substr(0, 9), {}, 1, true}),
    [](const auto& info) { return info.param.name; });

// Garbage, or a file of zeros, is given up within a line's length, however long it goes on.
TEST(JournalFormat, GivesUpOnGarbageWithoutReadingOn) {
    for (const std::string& garbage : {std::string(100'000, '\0'), kStart + std::string(100'000, 'z')}) {
        JournalReader reader;
        std::size_t fed = 0;
        while (fed < garbage.size() && reader.Feed(std::string_view(garbage).substr(fed, 100))) {
            fed += 100;
        }
        EXPECT_LE(fed, kStart.size() + 1100);
    }
}

TEST(JournalFormat, ADamagedJournalCountsAsUnsaved) {
    const std::string saved =
        JournalHeader("r") + JournalReplace(kTwo) + JournalFile("a.dat") + JournalClean();
    EXPECT_FALSE(ReadJournal(saved).unsaved);
    EXPECT_TRUE(ReadJournal(saved + "x").unsaved);
}

}  // namespace
}  // namespace orvanta
