// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/ResultsFileView.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "core/files/ResultsFile.h"

#include "ui/QtConvert.h"
#include "ui/files/NonBlockingOpen.h"
#include "ui/files/SpinCount.h"

namespace orvanta {

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;
constexpr int kFrameMilliseconds = 16;
constexpr int kRecordsPerChunk = 16 * 1024;

// Lets the window repaint and take clicks about once per frame.
class FramePacer {
public:
    FramePacer() { clock_.start(); }
    void Tick() {
        if (clock_.elapsed() >= kFrameMilliseconds) {
            QCoreApplication::processEvents();
            clock_.restart();
        }
    }

private:
    QElapsedTimer clock_;
};

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

TransferOutcome Failure(const QString& message, TransferOutcome outcome = {}) {
    outcome.ok = false;
    outcome.message = message;
    return outcome;
}

}  // namespace

TransferOutcome LoadResultsFile(const QString& path, const LoadTarget& target) {
    QFile file;
    if (const QString refusal = OpenForReading(file, path); !refusal.isEmpty()) {
        return Failure(refusal + QStringLiteral(" Nothing was changed."));
    }

    ResultsFileReader reader;
    FramePacer pacer;
    TransferOutcome outcome;
    // " The 3 spins read before that are kept.", or that nothing changed.
    const auto kept = [&](const char* which) {
        return outcome.replaced
                   ? QStringLiteral(" The %1 %2 %3 kept.")
                         .arg(SpinCountText(outcome.spins), which, outcome.spins == 1 ? "is" : "are")
                   : QStringLiteral(" Nothing was changed.");
    };
    // A file cut short by another program while it is read ends early; its last
    // field may then be a cut-off record ("3" of "36"), which must not be stored.
    const qint64 sizeAtOpen = file.isSequential() ? 0 : file.size();
    // The window shows at once that it waits, and then once a frame.
    QCoreApplication::processEvents();
    qint64 bytesRead = 0;
    std::string chunk;
    std::vector<std::int8_t> spins;
    bool atEnd = false;
    while (!atEnd) {
        chunk.resize(static_cast<std::size_t>(kChunkBytes));
        const qint64 read = file.read(chunk.data(), kChunkBytes);
        if (read < 0) {
            return Failure(
                QStringLiteral("Reading \"%1\" failed after %2: %3.%4")
                    .arg(Shown(path), SpinCountText(outcome.spins), file.errorString(), kept("read so far")),
                outcome);
        }
        bytesRead += read;
        chunk.resize(static_cast<std::size_t>(read));
        if (read == 0 && bytesRead < sizeAtOpen) {
            QCoreApplication::processEvents();
            return Failure(QStringLiteral("\"%1\" became shorter while it was read (%2 of %3 bytes).%4")
                               .arg(Shown(path))
                               .arg(bytesRead)
                               .arg(sizeAtOpen)
                               .arg(kept("read before that")),
                           outcome);
        }
        if (read == 0) {
            reader.Finish();
            atEnd = true;
        } else {
            reader.Feed(chunk);
        }
        spins.clear();
        const std::optional<ResultsField> unusable = reader.TakeSpins(spins);
        if (!spins.empty()) {
            target.addSpins(spins);
            outcome.spins += static_cast<long long>(spins.size());
            outcome.replaced = true;
        }
        if (unusable) {
            QCoreApplication::processEvents();
            if (!outcome.replaced) {
                return Failure(QStringLiteral("\"%1\" is not a results file: %2. Nothing was changed.")
                                   .arg(Shown(path), FromStd(DescribeUnusableField(*unusable))),
                               outcome);
            }
            return Failure(
                QStringLiteral("Loading \"%1\" stopped at %2.%3")
                    .arg(Shown(path), FromStd(DescribeUnusableField(*unusable)), kept("before it")),
                outcome);
        }
        pacer.Tick();
        if (target.cancelled()) {
            return Failure({}, outcome);
        }
    }
    outcome.replaced = true;  // an empty file holds an empty history
    QCoreApplication::processEvents();
    return outcome;
}

namespace {

// Writes the records through the open file and returns the bytes that reached it.
// The file is unbuffered, so the count is what the file system took, not what a
// buffer promised.
qint64 WriteRecords(QFileDevice& file, const SpinModel& history, const std::function<bool()>& cancelled,
                    bool& wasCancelled) {
    const int count = history.SpinCount();
    FramePacer pacer;
    std::string chunk;
    qint64 written = 0;
    for (int first = 1; first <= count; first += kRecordsPerChunk) {
        const int last = std::min(count, first + kRecordsPerChunk - 1);
        chunk.clear();
        AppendResultsRecords(history, first, last, chunk);
        const qint64 took = file.write(chunk.data(), static_cast<qint64>(chunk.size()));
        if (took > 0) {
            written += took;
        }
        if (took != static_cast<qint64>(chunk.size())) {
            return written;
        }
        pacer.Tick();
        if (cancelled()) {
            wasCancelled = true;
            return written;
        }
    }
    return written;
}

QString SystemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The new file takes the old one's place, so it takes its owner and permissions too:
// a read-only file stays read-only, and a file saved by root for another user stays
// that user's. Only root may give a file away; anyone else keeps at least the group.
// Returns what went wrong; empty when nothing did.
QString TakeOwnerAndPermissions(int fd, const QString& path) {
    struct stat old {};
    if (::stat(QFile::encodeName(path).constData(), &old) != 0) {
        return {};  // a new file: nothing to keep
    }
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno == EPERM) {
        (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    // After the owner: a change of owner clears the set-id bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? QString() : SystemError();
}

// A device (/dev/null, a full disk's test device /dev/full) cannot be replaced by
// a temporary file: renaming one over it would put a plain file in the device's
// place. Such a target is written directly, and every failed write or flush is
// reported; a pipe or socket is refused before it is opened.
TransferOutcome SaveToDevice(const QString& path, const SpinModel& history,
                             const std::function<bool()>& cancelled) {
    QFile file;
    if (const QString refusal = OpenDeviceForWriting(file, path); !refusal.isEmpty()) {
        return Failure(refusal + QStringLiteral(" Nothing was saved."));
    }
    bool wasCancelled = false;
    const qint64 meant = static_cast<qint64>(history.SpinCount()) * kResultsRecordBytes;
    if (WriteRecords(file, history, cancelled, wasCancelled) != meant && !wasCancelled) {
        return Failure(QStringLiteral("Writing \"%1\" failed: %2.").arg(Shown(path), file.errorString()));
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        return Failure(QStringLiteral("Writing \"%1\" failed: %2.").arg(Shown(path), file.errorString()));
    }
    QCoreApplication::processEvents();
    if (wasCancelled) {
        return Failure({});
    }
    TransferOutcome outcome;
    outcome.spins = history.SpinCount();
    return outcome;
}

}  // namespace

TransferOutcome SaveResultsFile(const QString& path, const SpinModel& model,
                                const std::function<bool()>& cancelled) {
    // The save yields to the window, where a correction may move spins: the file gets
    // the history as it was when the save began, never a mix of two.
    const SpinModel history = model;
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        return SaveToDevice(path, history, cancelled);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Failure(QStringLiteral("Could not open \"%1\" for writing: %2. Nothing was saved.")
                           .arg(Shown(path), file.errorString()));
    }

    // Commit only what is known to be whole: every byte written, flushed and on the
    // disk (a file system that allocates late reports a full disk only at the sync).
    const qint64 meant = static_cast<qint64>(history.SpinCount()) * kResultsRecordBytes;
    bool wasCancelled = false;
    const qint64 written = WriteRecords(file, history, cancelled, wasCancelled);
    QString problem;
    if (wasCancelled) {
        file.cancelWriting();
        return Failure({});
    }
    if (written != meant) {
        problem = file.errorString();
    } else if (!file.flush()) {
        problem = file.errorString();
    } else if (::fsync(file.handle()) != 0) {
        problem = SystemError();
    } else if (file.size() != meant) {
        problem = QStringLiteral("%1 of %2 bytes reached the disk").arg(file.size()).arg(meant);
    } else {
        problem = TakeOwnerAndPermissions(file.handle(), target.absoluteFilePath());
    }
    if (!problem.isEmpty()) {
        file.cancelWriting();
        return Failure(QStringLiteral("Saving \"%1\" failed: %2. The file was left as it was.")
                           .arg(Shown(path), problem));
    }
    if (!file.commit()) {
        return Failure(QStringLiteral("Saving \"%1\" failed: %2. The file was left as it was.")
                           .arg(Shown(path), file.errorString()));
    }
    QCoreApplication::processEvents();
    TransferOutcome outcome;
    outcome.spins = history.SpinCount();
    return outcome;
}

}  // namespace orvanta
