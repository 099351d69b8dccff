// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/NonBlockingOpen.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orvanta {

namespace {

enum class Direction { Read, Write };

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// What is wrong with a file of this type, or an empty text when it may be opened.
QString RefusalOfType(mode_t mode, const QString& path) {
    const char* what = nullptr;
    if (S_ISFIFO(mode)) {
        what = "a named pipe";
    } else if (S_ISSOCK(mode)) {
        what = "a socket";
    }
    if (what == nullptr) {
        return {};
    }
    return QStringLiteral("\"%1\" is %2, not a file.").arg(Shown(path), QString::fromLatin1(what));
}

// A device answers at once when a poll with no timeout finds it ready.
bool AnswersAtOnce(int fd, Direction direction) {
    pollfd ready{fd, static_cast<short>(direction == Direction::Read ? POLLIN : POLLOUT), 0};
    return ::poll(&ready, 1, 0) == 1 && (ready.revents & (POLLIN | POLLOUT)) != 0;
}

QString Open(QFile& file, const QString& path, Direction direction) {
    const QByteArray name = QFile::encodeName(path);
    const auto failure = [&](const QString& reason) {
        return QStringLiteral("Could not open \"%1\" for %2: %3.")
            .arg(Shown(path), QLatin1String(direction == Direction::Read ? "reading" : "writing"), reason);
    };
    // Looked at before opening, so that not even the other end of a pipe notices.
    struct stat info {};
    if (::stat(name.constData(), &info) == 0) {
        if (QString refusal = RefusalOfType(info.st_mode, path); !refusal.isEmpty()) {
            return refusal;
        }
    }
    const int flags =
        (direction == Direction::Read ? O_RDONLY : O_WRONLY) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    const int fd = ::open(name.constData(), flags);
    if (fd < 0) {
        return failure(SystemError(errno));
    }
    // Looked at again through the open file: the name may have been given to
    // something else in between.
    QString refusal;
    if (::fstat(fd, &info) != 0) {
        refusal = failure(SystemError(errno));
    } else if (S_ISDIR(info.st_mode)) {
        refusal = failure(SystemError(EISDIR));
    } else {
        refusal = RefusalOfType(info.st_mode, path);
    }
    if (refusal.isEmpty() && S_ISREG(info.st_mode)) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    } else if (refusal.isEmpty() && !AnswersAtOnce(fd, direction)) {
        refusal = QStringLiteral("\"%1\" is a device that %2.")
                      .arg(Shown(path), QLatin1String(direction == Direction::Read ? "has nothing to read now"
                                                                                   : "takes nothing now"));
    }
    const QIODevice::OpenMode mode =
        direction == Direction::Read ? QIODevice::ReadOnly : QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (refusal.isEmpty() && !file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        refusal = failure(file.errorString());
    }
    if (!refusal.isEmpty()) {
        ::close(fd);
    }
    return refusal;
}

}  // namespace

QString OpenForReading(QFile& file, const QString& path) {
    return Open(file, path, Direction::Read);
}

QString OpenDeviceForWriting(QFile& file, const QString& path) {
    return Open(file, path, Direction::Write);
}

}  // namespace orvanta
