// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/recovery/RecoveryJournal.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "ui/files/CheckedFileWriter.h"
#include "ui/recovery/JournalLock.h"

namespace orvanta {

namespace {

// Far more windows than anyone runs at once; only a bound for the search.
constexpr int kMostJournals = 1000;

// Names this process, so that a journal left by an earlier window of the same run (a
// window closed without the user's word, as tests and embedding programs do) is never
// offered as the leftover of a crash.
const std::string& ThisRun() {
    static const std::string kRun = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
    return kRun;
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes every byte or returns why not.
QString WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t took = ::write(fd, bytes.data(), bytes.size());
        if (took < 0 && errno == EINTR) {
            continue;
        }
        if (took <= 0) {
            return took < 0 ? SystemError(errno) : QStringLiteral("the disk took no more bytes");
        }
        bytes.remove_prefix(static_cast<std::size_t>(took));
    }
    return {};
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
    LeftoverSearch search = FindLeftovers(folder, ThisRun());
    leftovers_ = std::move(search.leftovers);
    notes_ = std::move(search.notes);
    Claim(folder);
}

RecoveryJournal::~RecoveryJournal() {
    if (isOn()) {
        ::close(fd_);
        if (!unsaved_) {
            QFile::remove(path_);
        }
    }
}

bool RecoveryJournal::OpenForAppending(int flags) {
    // Unbuffered: once a write returns, the records outlive a crash of this program.
    fd_ = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW | flags,
                 0666);
    return fd_ >= 0;
}

void RecoveryJournal::Claim(const QString& folder) {
    const QDir dir(folder);
    for (int n = 1; n <= kMostJournals; ++n) {
        const QString path = dir.filePath(QStringLiteral("journal-%1.log").arg(n));
        struct stat taken {};
        if (::lstat(QFile::encodeName(path).constData(), &taken) == 0) {
            continue;  // anything at the name, even a link to nowhere
        }
        QLockFile::LockError error = QLockFile::NoError;
        std::shared_ptr<QLockFile> lock = LockJournal(path, error);
        if (lock == nullptr) {
            if (error == QLockFile::LockFailedError) {
                continue;  // another program took this one a moment ago
            }
            TurnOff(QStringLiteral("the folder %1 cannot be written").arg(Shown(folder)));
            return;
        }
        path_ = path;
        if (!OpenForAppending(O_CREAT | O_EXCL)) {
            TurnOff(QStringLiteral("%1 cannot be created (%2)").arg(Shown(path), SystemError(errno)));
            return;
        }
        if (const QString problem = WriteAll(fd_, JournalHeader(ThisRun())); !problem.isEmpty()) {
            TurnOff(QStringLiteral("%1 cannot be written (%2)").arg(Shown(path), problem));
            QFile::remove(path);
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
    // One write call for the whole block as a rule; a block cut short by a full disk
    // is read as a cut-off last line.
    if (const QString problem = WriteAll(fd_, records); !problem.isEmpty()) {
        TurnOff(QStringLiteral("writing %1 failed (%2)").arg(Shown(path_), problem));
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
    // the old one in one step, so that a crash leaves one or the other whole. When the
    // new one cannot be written, the old one stays as it was. The record of a long
    // history is written as it is, never copied.
    const std::string header = JournalHeader(ThisRun());
    std::string tail = JournalFile(file.toStdString());
    if (matchesFile) {
        tail += JournalClean();
    }
    CheckedFileWriter replacement(path_, DeviceTarget::Refuse);
    if (!replacement.Open().isEmpty() || !replacement.Write(header) || !replacement.Write(replaceRecord) ||
        !replacement.Write(tail) || !replacement.Commit().isEmpty()) {
        TurnOff(QStringLiteral("writing %1 failed (%2)").arg(Shown(path_), replacement.failure()));
        return;
    }
    ::close(std::exchange(fd_, -1));
    if (!OpenForAppending(0)) {
        TurnOff(QStringLiteral("%1 cannot be reopened (%2)").arg(Shown(path_), SystemError(errno)));
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
    if (isOn()) {
        ::close(std::exchange(fd_, -1));
    }
    if (!path_.isEmpty()) {
        QFile::remove(path_);
    }
    lock_.reset();
    for (Leftover& leftover : kept_) {
        Retire(leftover);
    }
    kept_.clear();
}

QString RecoveryJournal::Forget(Leftover& leftover) {
    return Retire(leftover);
}

void RecoveryJournal::Release(Leftover& leftover) {
    leftover.lock.reset();
}

void RecoveryJournal::Keep(Leftover& leftover) {
    kept_.push_back(std::move(leftover));
}

void RecoveryJournal::TurnOff(const QString& why) {
    if (!failure_.isEmpty()) {
        return;
    }
    failure_ = why;
    // What was written so far stays: after a crash it still brings back the spins
    // recorded before recovery went off.
    if (isOn()) {
        ::close(std::exchange(fd_, -1));
    }
    emit failed(why);
}

}  // namespace orvanta
