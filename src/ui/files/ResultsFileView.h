// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <span>

#include "core/model/SpinModel.h"

namespace orvanta {

// How a load or save ended; a failure carries the text to show the user (none when
// the program is closing and the command stopped for it).
struct TransferOutcome {
    bool ok = true;
    QString message;
    long long spins = 0;    // spins loaded or written
    bool replaced = false;  // a load's spins replace the history
};

// The window's side of a load: where the spins read go, piece by piece and in order,
// and when to give up (the program is closing).
struct LoadTarget {
    std::function<void(std::span<const std::int8_t>)> addSpins;
    std::function<bool()> cancelled;
};

// Reads a results file and hands its spins to target as they are read. Pending events
// are processed at least once per frame and once after the last record, so the window
// stays alive through a long file. A field that is no wheel number ends the load; the
// spins before it stay. outcome.replaced tells whether what was read replaces the
// history: not when the very first field is unusable, for then the file is no results
// file (a picture, a program), but when a first spin was read or the file is empty.
TransferOutcome LoadResultsFile(const QString& path, const LoadTarget& target);

// Writes the history as it is when the save starts through a temporary file that
// replaces the target only when every byte of it is known to be on the disk, with the
// target's permissions and owner: a full disk or a file-size limit never costs the
// file that was there.
TransferOutcome SaveResultsFile(const QString& path, const SpinModel& model,
                                const std::function<bool()>& cancelled);

}  // namespace orvanta
