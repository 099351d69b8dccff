// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/recovery/RecoveryJournal.h"

#include <QDir>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

namespace orvanta {

namespace {

// Far more windows than anyone runs at once; only a bound for the search.
constexpr int kMostJournals = 1000;

// Names this process, so that a journal left by an earlier window of the same run (a
// window closed without the user's word, as tests and embedding programs do) is never
// offered as the leftover of a crash.
const std::string& ThisRun() {
    static const std::string run = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
    return run;
}

std::shared_ptr<QLockFile> LockFor(const QString& journal) {
    auto lock = std::make_shared<QLockFile>(journal + ".lock");
    // A lock counts as stale only when its process is gone, never by its age: a
    // program may run for days.
    lock->setStaleLockTime(0);
    return lock;
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

QString RecoveryJournal::DefaultFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + "/recovery";
}

RecoveryJournal::RecoveryJournal(const QString& folder, QObject* parent) : QObject(parent) {
    if (folder.isEmpty()) {
        TurnOff("there is no folder for application data");
        return;
    }
    if (!QDir().mkpath(folder)) {
        TurnOff(QStringLiteral("the folder %1 cannot be created").arg(Shown(folder)));
        return;
    }
    FindLeftovers(folder);
    Claim(folder);
}

RecoveryJournal::~RecoveryJournal() {
    if (isOn() && !unsaved_) {
        file_.remove();
    }
}

void RecoveryJournal::FindLeftovers(const QString& folder) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"journal-*.log"}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        std::shared_ptr<QLockFile> lock = LockFor(path);
        if (!lock->tryLock(0)) {
            continue;  // the journal of a program that is running
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray bytes = file.readAll();
        file.close();
        JournalContents contents = ReadJournal(std::string_view(bytes.constData(), bytes.size()));
        if (contents.run == ThisRun() || !contents.WorthRestoring()) {
            QFile::remove(path);
            continue;
        }
        leftovers_.push_back({path, std::move(contents), std::move(lock)});
    }
}

void RecoveryJournal::Claim(const QString& folder) {
    const QDir dir(folder);
    for (int n = 1; n <= kMostJournals; ++n) {
        const QString path = dir.filePath(QStringLiteral("journal-%1.log").arg(n));
        if (QFile::exists(path)) {
            continue;
        }
        std::shared_ptr<QLockFile> lock = LockFor(path);
        if (!lock->tryLock(0)) {
            if (lock->error() == QLockFile::LockFailedError) {
                continue;  // another program took this one a moment ago
            }
            TurnOff(QStringLiteral("the folder %1 cannot be written").arg(Shown(folder)));
            return;
        }
        file_.setFileName(path);
        const std::string header = JournalHeader(ThisRun());
        if (!file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            TurnOff(QStringLiteral("%1 cannot be created (%2)").arg(Shown(path), file_.errorString()));
            return;
        }
        if (file_.write(header.data(), static_cast<qint64>(header.size())) !=
            static_cast<qint64>(header.size())) {
            TurnOff(QStringLiteral("%1 cannot be written (%2)").arg(Shown(path), file_.errorString()));
            file_.remove();
            return;
        }
        lock_ = std::move(lock);
        return;
    }
    TurnOff(QStringLiteral("the folder %1 holds too many journals").arg(Shown(folder)));
}

void RecoveryJournal::Append(const std::string& records, bool unsaved) {
    if (!isOn()) {
        return;
    }
    // One write call for the whole block, unbuffered: once it returns, the records
    // outlive a crash of this program.
    if (file_.write(records.data(), static_cast<qint64>(records.size())) !=
        static_cast<qint64>(records.size())) {
        TurnOff(QStringLiteral("writing %1 failed (%2)").arg(Shown(file_.fileName()), file_.errorString()));
        return;
    }
    unsaved_ = unsaved;
}

void RecoveryJournal::RecordInserted(int position, std::span<const std::int8_t> spins) {
    Append(JournalInsert(position, spins), true);
}

void RecoveryJournal::RecordRemoved(int position, int count) {
    Append(JournalRemove(position, count), true);
}

void RecoveryJournal::RecordReplaced(const std::string& replaceRecord, const QString& file,
                                     bool matchesFile) {
    if (!isOn()) {
        return;
    }
    // Everything before is superseded: the journal is written anew and put in place of
    // the old one in one step, so that a crash leaves one or the other whole. The record
    // of a long history is written as it is, never copied.
    const std::string header = JournalHeader(ThisRun());
    std::string tail = JournalFile(file.toStdString());
    if (matchesFile) {
        tail += JournalClean();
    }
    const QString path = file_.fileName();
    QSaveFile replacement(path);
    const auto write = [&replacement](const std::string& bytes) {
        return replacement.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
    };
    if (!replacement.open(QIODevice::WriteOnly) || !write(header) || !write(replaceRecord) || !write(tail) ||
        !replacement.commit()) {
        TurnOff(QStringLiteral("writing %1 failed (%2)").arg(Shown(path), replacement.errorString()));
        return;
    }
    file_.close();
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        TurnOff(QStringLiteral("%1 cannot be reopened (%2)").arg(Shown(path), file_.errorString()));
        return;
    }
    unsaved_ = !matchesFile;
}

void RecoveryJournal::RecordSaved(const QString& file, bool matchesFile) {
    Append(JournalFile(file.toStdString()) + (matchesFile ? JournalClean() : std::string()), !matchesFile);
}

void RecoveryJournal::RecordMatchesFile() {
    Append(JournalClean(), false);
}

void RecoveryJournal::EndCleanly() {
    if (!file_.fileName().isEmpty()) {
        file_.remove();
    }
    lock_.reset();
}

void RecoveryJournal::Forget(Leftover& leftover) {
    QFile::remove(leftover.path);
    leftover.lock.reset();
}

void RecoveryJournal::Release(Leftover& leftover) {
    leftover.lock.reset();
}

void RecoveryJournal::TurnOff(const QString& why) {
    if (!failure_.isEmpty()) {
        return;
    }
    failure_ = why;
    // What was written so far stays: after a crash it still brings back the spins
    // recorded before recovery went off.
    file_.close();
    emit failed(why);
}

}  // namespace orvanta
