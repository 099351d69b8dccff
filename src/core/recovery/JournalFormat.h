// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <boost/crc.hpp>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// The recovery journal: every change of the history as one text line, appended as it
// happens, so that the history of a run that did not end cleanly can be rebuilt.
//
//   ORVANTA-JOURNAL 1 <run>    the first line: the format version and the run that wrote it
//   I <position> <n> <n> ...   spins put before slot position (clicks, pastes, insertions)
//   D <position> <count>       spins taken out
//   C <n> <n> ...              the whole history replaced (a load, a restore)
//   F <file>                   the results file the history belongs to; empty for none
//   K                          the history matches that file (it was opened or saved)
//
// Every line ends with " ~" and the CRC-32 of what precedes it in eight hex digits,
// then a line feed. A line cut off by a crash, or damaged on the disk, fails its
// check, and the journal is read up to the line before it: every record depends on
// the history the ones before it made, so what follows a lost record would rebuild a
// history that never existed. The first line is the exception, as no record depends
// on it: when it is damaged the records after it are still read.
//
// A later format version may add kinds of record but never changes the meaning of
// those above, so a journal of a newer version is read up to its first record this
// version does not know: the history it gives is still one its window held.
constexpr int kJournalVersion = 1;

// Records are written as the history changes and the journal is written anew with
// every load or restore, so it holds one whole history of at most INT_MAX spins, at
// three bytes a spin ("36 "), and the changes since: no real session comes near
// 8 GiB. A larger file is no journal of ours, and is not read.
constexpr std::int64_t kLargestJournalBytes = std::int64_t{8} << 30;
std::string JournalHeader(std::string_view run);
std::string JournalInsert(int position, std::span<const std::int8_t> spins);
std::string JournalRemove(int position, int count);
std::string JournalReplace(std::span<const std::int8_t> spins);
std::string JournalFile(std::string_view path);
std::string JournalClean();
// Any record as a line with its check: the journals of other format versions.
std::string JournalLine(std::string_view record);

// JournalReplace built piece by piece, so that a long history is encoded and checked
// while it is read from its file, not in one stretch after it.
class JournalReplaceRecord {
public:
    JournalReplaceRecord();
    void Append(std::span<const std::int8_t> spins);
    // The whole record, sealed; the builder starts anew.
    std::string Take();

private:
    std::string record_;
    boost::crc_32_type check_;
};

// What a journal holds, read as far as it is sound.
struct JournalContents {
    std::string run;  // the run that wrote it; empty when the first line is unusable
    int version = 0;  // the format version of the first line; 0 when it is unusable
    std::vector<std::int8_t> spins;
    std::string file;
    // The history differs from its file: spins recorded or corrected since it last
    // matched one, or never saved at all. A damaged journal counts as unsaved.
    bool unsaved = false;
    // 1-based line where reading stopped; 0 when it read to the end. The first line
    // damaged does not stop the reading: firstLineDamaged says so.
    std::int64_t damagedLine = 0;
    bool firstLineDamaged = false;
    // The damage is no more than a last line without its line feed: a crash in the
    // middle of a write, which the format expects.
    bool cutOff = false;

    // Something the user would want back: spins or a file whose changes were not saved.
    bool WorthRestoring() const { return unsaved && (!spins.empty() || !file.empty()); }
    // Every line but a cut-off last one was read: nothing of the journal is left that
    // a person, or a newer version, could still make something of.
    bool ReadWhole() const {
        return version <= kJournalVersion && !firstLineDamaged && (damagedLine == 0 || cutOff);
    }
};

// Reads a journal piece by piece, holding no more than the line being read: a file of
// garbage is given up within a few bytes, however large it is.
class JournalReader {
public:
    // False once reading has stopped: nothing after it can change the contents.
    bool Feed(std::string_view bytes);
    JournalContents Finish();

private:
    void TakeLine(std::string_view line);
    bool Plausible(std::string_view more) const;
    void Stop(bool cutOff);

    JournalContents journal_;
    std::string partial_;  // the line read so far, while it may still become a record
    std::int64_t lineNumber_ = 1;
    bool stopped_ = false;
};

JournalContents ReadJournal(std::string_view bytes);

}  // namespace orvanta
