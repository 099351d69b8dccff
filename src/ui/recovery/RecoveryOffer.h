// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

#include "core/recovery/JournalFormat.h"

class QWidget;

namespace orvanta {

class RecoveryJournal;

// Says which journals were set aside at the start, then offers the spins of each run
// that did not end cleanly, newest first: Restore hands them to restore, Discard lets
// the journal go, Later keeps it for the next start. A restore replaces the history, so
// once one was restored the others can only be kept for a later start (by when the
// restored spins can be saved) or discarded: no restored spin is replaced unasked.
// Returns what happened, for the status line; empty for nothing.
QString OfferRecovery(QWidget* parent, RecoveryJournal& journal,
                      const std::function<void(const JournalContents&)>& restore);

}  // namespace orvanta
