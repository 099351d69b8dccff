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
//   ORVANTA-JOURNAL 1 <run>    the first line: the format and the run that wrote it
//   I <position> <n> <n> ...   spins put before slot position (clicks, pastes, insertions)
//   D <position> <count>       spins taken out
//   C <n> <n> ...              the whole history replaced (a load, a restore)
//   F <file>                   the results file the history belongs to; empty for none
//   K                          the history matches that file (it was opened or saved)
//
// Every line ends with " ~" and the CRC-32 of what precedes it in eight hex digits,
// then a line feed. A line cut off by a crash, or damaged on the disk, fails its
// check, and the journal is read up to the line before it.
std::string JournalHeader(std::string_view run);
std::string JournalInsert(int position, std::span<const std::int8_t> spins);
std::string JournalRemove(int position, int count);
std::string JournalReplace(std::span<const std::int8_t> spins);
std::string JournalFile(std::string_view path);
std::string JournalClean();

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
    std::string run;  // the run that wrote it; empty when even the first line is unusable
    std::vector<std::int8_t> spins;
    std::string file;
    // The history differs from its file: spins recorded or corrected since it last
    // matched one, or never saved at all. A damaged journal counts as unsaved.
    bool unsaved = false;
    std::int64_t damagedLine = 0;  // 1-based line where reading stopped; 0 when it read to the end

    // Something the user would want back: spins or a file whose changes were not saved.
    bool WorthRestoring() const { return unsaved && (!spins.empty() || !file.empty()); }
};

JournalContents ReadJournal(std::string_view bytes);

}  // namespace orvanta
