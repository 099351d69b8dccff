// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/ResultsFileView.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <string>

#include "core/files/ResultsFile.h"

#include "ui/QtConvert.h"
#include "ui/files/NonBlockingOpen.h"

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

TransferOutcome Failure(const QString& message) {
    return {false, message};
}

}  // namespace

TransferOutcome LoadResultsFile(const QString& path, const LoadTarget& target) {
    QFile file;
    if (const QString refusal = OpenForReading(file, path); !refusal.isEmpty()) {
        return Failure(refusal + QStringLiteral(" Nothing was changed."));
    }

    target.clearResults();
    ResultsFileReader reader;
    FramePacer pacer;
    long long loaded = 0;
    // A file cut short by another program while it is read ends early; its last
    // field may then be a cut-off record ("3" of "36"), which must not be stored.
    const qint64 sizeAtOpen = file.isSequential() ? 0 : file.size();
    qint64 bytesRead = 0;
    std::string chunk;
    bool atEnd = false;
    while (!atEnd) {
        chunk.resize(static_cast<std::size_t>(kChunkBytes));
        const qint64 read = file.read(chunk.data(), kChunkBytes);
        if (read < 0) {
            return Failure(
                QStringLiteral("Reading \"%1\" failed after %2 spins: %3. The spins read so far are kept.")
                    .arg(Shown(path))
                    .arg(loaded)
                    .arg(file.errorString()));
        }
        bytesRead += read;
        chunk.resize(static_cast<std::size_t>(read));
        if (read == 0 && bytesRead < sizeAtOpen) {
            QCoreApplication::processEvents();
            return Failure(QStringLiteral("\"%1\" became shorter while it was read (%2 of %3 bytes). The %4 "
                                          "spins read before that are kept.")
                               .arg(Shown(path))
                               .arg(bytesRead)
                               .arg(sizeAtOpen)
                               .arg(loaded));
        }
        if (read == 0) {
            reader.Finish();
            atEnd = true;
        } else {
            reader.Feed(chunk);
        }
        while (const std::optional<ResultsField> field = reader.Next()) {
            if (!field->IsSpin()) {
                QCoreApplication::processEvents();
                return Failure(
                    QStringLiteral("Loading \"%1\" stopped at %2. The %3 spins before it were loaded.")
                        .arg(Shown(path), FromStd(DescribeUnusableField(*field)))
                        .arg(loaded));
            }
            target.addResult(field->number);
            ++loaded;
            pacer.Tick();
            if (target.cancelled()) {
                return {};
            }
        }
    }
    QCoreApplication::processEvents();
    return {};
}

namespace {

// Writes the records through the open file; false when a write fails. Spins
// recorded while the save runs are not part of it.
bool WriteRecords(QFileDevice& file, const SpinModel& model, const std::function<bool()>& cancelled,
                  bool& wasCancelled) {
    const int count = model.SpinCount();
    FramePacer pacer;
    std::string chunk;
    for (int first = 1; first <= count; first += kRecordsPerChunk) {
        const int last = std::min(count, first + kRecordsPerChunk - 1);
        chunk.clear();
        AppendResultsRecords(model, first, last, chunk);
        if (file.write(chunk.data(), static_cast<qint64>(chunk.size())) !=
            static_cast<qint64>(chunk.size())) {
            return false;
        }
        pacer.Tick();
        if (cancelled()) {
            wasCancelled = true;
            return true;
        }
    }
    return true;
}

// A device (/dev/null, a full disk's test device /dev/full) cannot be replaced by
// a temporary file: renaming one over it would put a plain file in the device's
// place. Such a target is written directly, and every failed write or flush is
// reported; a pipe or socket is refused before it is opened.
TransferOutcome SaveToDevice(const QString& path, const SpinModel& model,
                             const std::function<bool()>& cancelled) {
    QFile file;
    if (const QString refusal = OpenDeviceForWriting(file, path); !refusal.isEmpty()) {
        return Failure(refusal + QStringLiteral(" Nothing was saved."));
    }
    bool wasCancelled = false;
    if (!WriteRecords(file, model, cancelled, wasCancelled) || !file.flush()) {
        return Failure(QStringLiteral("Writing \"%1\" failed: %2.").arg(Shown(path), file.errorString()));
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        return Failure(QStringLiteral("Writing \"%1\" failed: %2.").arg(Shown(path), file.errorString()));
    }
    QCoreApplication::processEvents();
    return {};
}

}  // namespace

TransferOutcome SaveResultsFile(const QString& path, const SpinModel& model,
                                const std::function<bool()>& cancelled) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        return SaveToDevice(path, model, cancelled);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure(QStringLiteral("Could not open \"%1\" for writing: %2. Nothing was saved.")
                           .arg(Shown(path), file.errorString()));
    }

    bool wasCancelled = false;
    if (!WriteRecords(file, model, cancelled, wasCancelled)) {
        file.cancelWriting();
        return Failure(QStringLiteral("Writing \"%1\" failed: %2. The file was left as it was.")
                           .arg(Shown(path), file.errorString()));
    }
    if (wasCancelled) {
        file.cancelWriting();
        return {};
    }
    if (!file.commit()) {
        return Failure(QStringLiteral("Saving \"%1\" failed: %2. The file was left as it was.")
                           .arg(Shown(path), file.errorString()));
    }
    QCoreApplication::processEvents();
    return {};
}

}  // namespace orvanta
