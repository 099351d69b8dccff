// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

#include "core/model/SpinModel.h"

namespace orvanta {

// How a load or save ended; a failure carries the text to show the user.
struct TransferOutcome {
    bool ok = true;
    QString message;
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
// is no wheel number ends the load; the spins before it stay.
TransferOutcome LoadResultsFile(const QString& path, const LoadTarget& target);

// Writes spins 1..SpinCount (as counted when the save starts) through a temporary file
// that replaces the target only when every record is written, so a failed save never
// destroys the file that was there.
TransferOutcome SaveResultsFile(const QString& path, const SpinModel& model,
                                const std::function<bool()>& cancelled);

}  // namespace orvanta
