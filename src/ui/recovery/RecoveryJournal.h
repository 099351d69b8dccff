// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/recovery/JournalFormat.h"

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
    // The journal of a run that did not end cleanly, locked by this window until it is
    // forgotten or released.
    struct Leftover {
        QString path;
        JournalContents contents;
        std::shared_ptr<QLockFile> lock;
    };

    static QString DefaultFolder();

    explicit RecoveryJournal(const QString& folder = DefaultFolder(), QObject* parent = nullptr);
    // Keeps the file while it holds unsaved changes: the window went away without the
    // user's word on them.
    ~RecoveryJournal() override;

    bool isOn() const { return file_.isOpen(); }
    // Why recovery is off; empty while it is on.
    QString failure() const { return failure_; }
    QString path() const { return file_.fileName(); }

    void RecordInserted(int position, std::span<const std::int8_t> spins);
    void RecordRemoved(int position, int count);
    // The whole history anew (a load, a restore), written as one block that replaces
    // everything before it. replaceRecord: the history's JournalReplace record.
    void RecordReplaced(const std::string& replaceRecord, const QString& file, bool matchesFile);
    void RecordSaved(const QString& file, bool matchesFile);
    void RecordMatchesFile();
    // The run ends with nothing left unsaved: the journal goes.
    void EndCleanly();

    std::vector<Leftover>& leftovers() { return leftovers_; }
    // Deletes a leftover once it was restored or discarded.
    void Forget(Leftover& leftover);
    // Leaves a leftover for a later start.
    void Release(Leftover& leftover);

signals:
    // Recovery turned off after a failed write; raised once.
    void failed(const QString& why);

private:
    void FindLeftovers(const QString& folder);
    void Claim(const QString& folder);
    void Append(const std::string& records, bool unsaved);
    void TurnOff(const QString& why);

    QFile file_;
    std::shared_ptr<QLockFile> lock_;
    QString failure_;
    bool unsaved_ = false;
    std::vector<Leftover> leftovers_;
};

}  // namespace orvanta
