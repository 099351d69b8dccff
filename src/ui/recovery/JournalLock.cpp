// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/recovery/JournalLock.h"

#include <QFile>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

namespace orvanta {

namespace {

// A lock file is created empty and written at once; younger than this, an empty one
// may be one that another program is writing right now.
constexpr std::time_t kUnwrittenLockSeconds = 5;
// Qt writes five short lines; anything longer is no lock of ours.
constexpr int kLongestLock = 4096;

// Reads what the lock file names as its owner: process, program, machine name and
// machine id, one a line. Not through QFile: the file is opened without following a
// link and without waiting, since a pipe put in its place would stop the start.
QList<QByteArray> LockOwner(const QByteArray& name, struct stat& info) {
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return {};
    }
    QByteArray bytes(kLongestLock, '\0');
    ssize_t read = -1;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        read = ::read(fd, bytes.data(), bytes.size());
    }
    ::close(fd);
    bytes.resize(read > 0 ? static_cast<int>(read) : 0);
    return bytes.split('\n');
}

bool OwnerCannotBeShownAlive(const QString& lockPath) {
    struct stat info {};
    const QList<QByteArray> owner = LockOwner(QFile::encodeName(lockPath), info);
    bool ok = false;
    if (owner.size() < 3 || owner[0].toLongLong(&ok) <= 0 || !ok) {
        return info.st_mtime != 0 && std::time(nullptr) - info.st_mtime >= kUnwrittenLockSeconds;
    }
    // A lock of this machine was judged by Qt already: its process is running.
    const bool thisMachine =
        QString::fromUtf8(owner[2]) == QSysInfo::machineHostName() ||
        (owner.size() > 3 && !owner[3].isEmpty() && owner[3] == QSysInfo::machineUniqueId());
    return !thisMachine;
}

}  // namespace

std::shared_ptr<QLockFile> LockJournal(const QString& journal, QLockFile::LockError& error) {
    const QString lockPath = journal + ".lock";
    // Qt reads an existing lock file through whatever stands at its name; a link or
    // a pipe there is no lock Qt made, and goes.
    struct stat info {};
    const QByteArray lockName = QFile::encodeName(lockPath);
    if (::lstat(lockName.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        ::unlink(lockName.constData());
    }
    auto lock = std::make_shared<QLockFile>(lockPath);
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        return lock;
    }
    // removeStaleLockFile() still refuses while any process here holds the lock.
    if (lock->error() == QLockFile::LockFailedError && OwnerCannotBeShownAlive(lockPath) &&
        lock->removeStaleLockFile() && lock->tryLock(0)) {
        return lock;
    }
    error = lock->error();
    return nullptr;
}

}  // namespace orvanta
