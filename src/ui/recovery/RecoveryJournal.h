// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/recovery/JournalFormat.h"

#include "ui/recovery/LeftoverJournals.h"

class QLockFile;

namespace orvanta {

// This window's recovery journal: a file in the user's application-data folder that
// every change of the history is appended to as it happens, so that a crash costs no
// spin. Each running window holds a lock on its own journal, so two programs never
// share one; a journal whose lock nobody holds is the leftover of a run that did not
// end cleanly. When the folder cannot be written, recovery is off and the program
// works on without it.
class RecoveryJournal : public QObject {
    Q_OBJECT
public:
    static QString DefaultFolder();

    explicit RecoveryJournal(const QString& folder = DefaultFolder(), QObject* parent = nullptr);
    // Keeps the file while it holds unsaved changes: the window went away without the
    // user's word on them.
    ~RecoveryJournal() override;

    bool isOn() const { return fd_ >= 0; }
    // Why recovery is off; empty while it is on.
    QString failure() const { return failure_; }
    QString path() const { return path_; }

    void RecordInserted(int position, std::span<const std::int8_t> spins);
    void RecordRemoved(int position, int count);
    // The whole history anew (a load, a restore), written as one block that replaces
    // everything before it. replaceRecord: the history's JournalReplace record.
    void RecordReplaced(const std::string& replaceRecord, const QString& file, bool matchesFile);
    void RecordSaved(const QString& file, bool matchesFile);
    void RecordMatchesFile();
    // The run ends with nothing left unsaved: the journal goes, and so do the
    // leftovers it kept.
    void EndCleanly();

    // The journals of runs that did not end cleanly, newest first.
    std::vector<Leftover>& leftovers() { return leftovers_; }
    // What was found at the start and not offered: journals set aside or left unread.
    const QStringList& notes() const { return notes_; }
    // A leftover was restored or discarded: it goes, or is set aside when it could not
    // be read whole. Returns a sentence saying where it went when it was set aside.
    QString Forget(Leftover& leftover);
    // Leaves a leftover for a later start.
    void Release(Leftover& leftover);
    // A leftover was restored, but this journal could not be written anew to hold it:
    // the leftover stays, locked, in its place until this window ends cleanly, so that
    // a crash still brings its spins back.
    void Keep(Leftover& leftover);

signals:
    // Recovery turned off after a failed write; raised once.
    void failed(const QString& why);

private:
    void Claim(const QString& folder);
    bool OpenForAppending(int flags);
    void Append(const std::string& records, bool unsaved);
    void TurnOff(const QString& why);

    QString path_;
    int fd_ = -1;
    std::shared_ptr<QLockFile> lock_;
    QString failure_;
    bool unsaved_ = false;
    std::vector<Leftover> leftovers_;
    std::vector<Leftover> kept_;
    QStringList notes_;
};

}  // namespace orvanta
