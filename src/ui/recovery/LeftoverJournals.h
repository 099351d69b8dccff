// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>
#include <string_view>
#include <vector>

#include "core/recovery/JournalFormat.h"

namespace orvanta {

// The journal of a run that did not end cleanly, locked by this window until it is
// retired or released.
struct Leftover {
    QString path;
    QDateTime modified;
    JournalContents contents;
    std::shared_ptr<QLockFile> lock;
};

struct LeftoverSearch {
    std::vector<Leftover> leftovers;  // newest first
    QStringList notes;                // journals set aside or left unread, a sentence each
};

// Looks through the folder for the journals of runs that did not end cleanly. Only
// regular files are read, never what a link names, opened without waiting and read in
// pieces, so that nothing found there can stop the start or take all memory. A
// journal a running program holds is left alone; one that holds nothing worth
// restoring goes; one larger than any history makes, or damaged so that nothing of it
// can be restored, is set aside with a note. thisRun: journals of earlier windows of
// this process are not leftovers of a crash.
LeftoverSearch FindLeftovers(const QString& folder, std::string_view thisRun);

// What is wrong with a journal that was not read whole, as a phrase ("its record 3 is
// cut off or damaged"); empty when nothing is.
QString DamageText(const JournalContents& contents);

// The name a journal that cannot be read whole is kept under once it was restored or
// discarded; empty for one that is simply deleted.
QString SetAsideName(const Leftover& leftover);

// The leftover was restored or discarded: a journal read whole is deleted, any other
// is set aside under SetAsideName, so that a journal the program could not understand
// is never lost. Returns a sentence saying where it went when it was set aside.
QString Retire(Leftover& leftover);

}  // namespace orvanta
