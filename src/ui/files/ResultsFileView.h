// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

#include "core/model/SpinModel.h"

namespace orvanta {

// How a load or save ended; a failure carries the text to show the user (none when
// the program is closing and the command stopped for it).
struct TransferOutcome {
    bool ok = true;
    QString message;
    long long spins = 0;    // spins loaded or written
    bool replaced = false;  // a load emptied the history and filled it from the file
};

// The window's side of a load: what recording a spin does, and when to give up
// (the program is closing).
struct LoadTarget {
    std::function<void()> clearResults;
    std::function<void(int)> addResult;
    std::function<bool()> cancelled;
};

// Replays a results file: empties the model, then records every stored spin in order.
// Pending events are processed at least once per frame and after the last spin, so the
// window repaints and a click between two stored spins is recorded there. A field that
// is no wheel number ends the load; the spins before it stay. When the very first
// field is unusable the file is no results file (a picture, a program) and the model
// is left as it was: the history is emptied only once a first spin has been read, or
// the file turned out to be empty.
TransferOutcome LoadResultsFile(const QString& path, const LoadTarget& target);

// Writes the history as it is when the save starts through a temporary file that
// replaces the target only when every byte of it is known to be on the disk, with the
// target's permissions and owner: a full disk or a file-size limit never costs the
// file that was there.
TransferOutcome SaveResultsFile(const QString& path, const SpinModel& model,
                                const std::function<bool()>& cancelled);

}  // namespace orvanta
