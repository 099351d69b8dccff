// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace orvanta {

// Locks a journal for this process, through the lock file beside it. A lock counts as
// stale, and is taken over, whenever its owner cannot be shown to be alive: a process
// of this machine that is gone (as Qt judges it), a lock file left empty or unreadable
// by a kill or power cut while it was being written, and a lock from another machine
// (a home folder shared between two), whose process nobody here can look for. Never by
// its age alone: a program may run for days. Returns nothing while a live program holds
// the lock, or when it cannot be taken; error says which.
std::shared_ptr<QLockFile> LockJournal(const QString& journal, QLockFile::LockError& error);

}  // namespace orvanta
