// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

#include "core/recovery/JournalFormat.h"

class QWidget;

namespace orvanta {

class RecoveryJournal;

// Offers the spins of each run that did not end cleanly: Restore hands them to
// restore, Discard deletes the journal, Later keeps it for the next start. Once one
// was restored the others wait for a later start, so that no restored spin is
// replaced unasked. Returns what was restored, for the status line; empty for nothing.
QString OfferRecovery(QWidget* parent, RecoveryJournal& journal,
                      const std::function<void(const JournalContents&)>& restore);

}  // namespace orvanta
