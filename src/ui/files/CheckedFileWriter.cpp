// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/CheckedFileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "ui/files/NonBlockingOpen.h"

namespace orvanta {

namespace {

// Tries at finding a free hidden name beside the target; a clash is already rare.
constexpr int kNameAttempts = 16;

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Saving through a link replaces the file it names and keeps the link.
QString Target(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) {
        return info.absoluteFilePath();
    }
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

// The name the new file has between being linked into the folder and being renamed
// over the target: hidden, and never one a user would pick.
QString TemporaryName(const QString& target) {
    const QFileInfo info(target);
    return info.dir().filePath(QStringLiteral(".%1.%2.new")
                                   .arg(info.fileName())
                                   .arg(QRandomGenerator::global()->generate64(), 0, 36));
}

// The new file takes the old one's place, so it takes its owner and permissions too:
// a read-only file stays read-only, and a file saved by root for another user stays
// that user's. Only root may give a file away; anyone else keeps at least the group.
// Returns what went wrong; empty when nothing did.
QString TakeOwnerAndPermissions(int fd, const QString& target) {
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) != 0) {
        return {};  // a new file: nothing to keep
    }
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno == EPERM) {
        (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    // After the owner: a change of owner clears the set-id bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? QString() : SystemError(errno);
}

// Gives the nameless file open as fd the name given.
int LinkNameless(int fd, const QString& name) {
    const QByteArray to = QFile::encodeName(name);
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, to.constData(), AT_SYMLINK_FOLLOW) == 0) {
        return 0;
    }
    // Without /proc only this way is left, and it takes a privilege.
    if (errno == ENOENT && ::linkat(fd, "", AT_FDCWD, to.constData(), AT_EMPTY_PATH) == 0) {
        return 0;
    }
    return errno;
}

// The rename is on the disk only once its folder is: a power cut after the save must
// not bring back the old file. The new file's bytes are on the disk already, so a
// folder that cannot be synced costs no data and is not reported.
void SyncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

CheckedFileWriter::CheckedFileWriter(const QString& path, DeviceTarget devices)
    : path_(path), devices_(devices) {}

CheckedFileWriter::~CheckedFileWriter() {
    Cancel();
}

QString CheckedFileWriter::Refuse(const char* what) {
    failure_ = QStringLiteral("it is %1, not a file").arg(QLatin1String(what));
    return QStringLiteral("\"%1\" is %2, not a file.").arg(Shown(path_), QLatin1String(what));
}

void CheckedFileWriter::Fail(const QString& why) {
    if (failure_.isEmpty()) {
        failure_ = why;
    }
}

QString CheckedFileWriter::Open() {
    target_ = Target(path_);
    struct stat info {};
    if (::stat(QFile::encodeName(target_).constData(), &info) == 0) {
        if (S_ISFIFO(info.st_mode)) {
            return Refuse("a named pipe");
        }
        if (S_ISSOCK(info.st_mode)) {
            return Refuse("a socket");
        }
        if (S_ISDIR(info.st_mode)) {
            failure_ = SystemError(EISDIR);
            return QStringLiteral("Could not open \"%1\" for writing: %2.").arg(Shown(path_), failure_);
        }
        if (!S_ISREG(info.st_mode)) {
            if (devices_ == DeviceTarget::Refuse) {
                return Refuse("a device");
            }
            // Renaming a file over a device would put a plain file in its place.
            failure_ = OpenDeviceForWriting(device_, path_);
            return failure_;
        }
    }
    const QByteArray folder = QFile::encodeName(QFileInfo(target_).absolutePath());
    // Nameless until it is whole: a crash in the middle leaves nothing in the folder.
    fd_ = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        // A file system without nameless files: a hidden name instead.
        temporary_ = TemporaryName(target_);
        fd_ =
            ::open(QFile::encodeName(temporary_).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            const int error = errno;
            temporary_.clear();
            errno = error;
        }
    }
    if (fd_ < 0) {
        failure_ = SystemError(errno);
        return QStringLiteral("Could not open \"%1\" for writing: %2.").arg(Shown(path_), failure_);
    }
    return {};
}

bool CheckedFileWriter::Write(std::string_view bytes) {
    const int fd = writesDevice() ? device_.handle() : fd_;
    while (failure_.isEmpty() && !bytes.empty()) {
        const ssize_t took = ::write(fd, bytes.data(), bytes.size());
        if (took < 0 && errno == EINTR) {
            continue;
        }
        if (took < 0) {
            // A device is written without waiting: one that stops taking bytes ends the write.
            Fail(errno == EAGAIN ? QStringLiteral("it takes nothing more now") : SystemError(errno));
        } else if (took == 0) {
            Fail(QStringLiteral("it took no more bytes"));
        } else {
            written_ += took;
            bytes.remove_prefix(static_cast<std::size_t>(took));
        }
    }
    return failure_.isEmpty();
}

QString CheckedFileWriter::PutInPlace() {
    if (::fsync(fd_) != 0) {
        return SystemError(errno);
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        return SystemError(errno);
    }
    if (info.st_size != written_) {
        return QStringLiteral("%1 of %2 bytes reached the disk").arg(info.st_size).arg(written_);
    }
    if (QString problem = TakeOwnerAndPermissions(fd_, target_); !problem.isEmpty()) {
        return problem;
    }
    for (int attempt = 1; temporary_.isEmpty(); ++attempt) {
        const QString name = TemporaryName(target_);
        const int error = LinkNameless(fd_, name);
        if (error == 0) {
            temporary_ = name;
        } else if (error != EEXIST || attempt == kNameAttempts) {
            return SystemError(error);
        }
    }
    // Some file systems report a failed write only when the file is closed.
    if (::close(std::exchange(fd_, -1)) != 0) {
        return SystemError(errno);
    }
    if (::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) != 0) {
        return SystemError(errno);
    }
    temporary_.clear();
    SyncFolder(QFileInfo(target_).absolutePath());
    return {};
}

QString CheckedFileWriter::Commit() {
    if (failure_.isEmpty() && writesDevice()) {
        // A device that keeps nothing (/dev/null) cannot be synced and needs no sync.
        if (::fsync(device_.handle()) != 0 && errno != EINVAL && errno != EROFS) {
            Fail(SystemError(errno));
        }
        device_.close();
    } else if (failure_.isEmpty()) {
        Fail(PutInPlace());
    }
    if (!failure_.isEmpty()) {
        Cancel();
    }
    return failure_;
}

void CheckedFileWriter::Cancel() {
    if (fd_ >= 0) {
        ::close(std::exchange(fd_, -1));
    }
    if (!temporary_.isEmpty()) {
        ::unlink(QFile::encodeName(temporary_).constData());
        temporary_.clear();
    }
    device_.close();
}

}  // namespace orvanta
