// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/ResultsFileView.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <string>
#include <vector>

#include "core/files/ResultsFile.h"

#include "ui/QtConvert.h"
#include "ui/files/CheckedFileWriter.h"
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

// Writes the records through the writer; false when a write failed or the save was
// cancelled.
bool WriteRecords(CheckedFileWriter& file, const SpinModel& history, const std::function<bool()>& cancelled,
                  bool& wasCancelled) {
    const int count = history.SpinCount();
    FramePacer pacer;
    std::string chunk;
    for (int first = 1; first <= count; first += kRecordsPerChunk) {
        const int last = std::min(count, first + kRecordsPerChunk - 1);
        chunk.clear();
        AppendResultsRecords(history, first, last, chunk);
        if (!file.Write(chunk)) {
            return false;
        }
        pacer.Tick();
        if (cancelled()) {
            wasCancelled = true;
            return false;
        }
    }
    return true;
}

}  // namespace

TransferOutcome SaveResultsFile(const QString& path, const SpinModel& model,
                                const std::function<bool()>& cancelled) {
    // The save yields to the window, where a correction may move spins: the file gets
    // the history as it was when the save began, never a mix of two.
    const SpinModel history = model;
    CheckedFileWriter file(path);
    if (const QString refusal = file.Open(); !refusal.isEmpty()) {
        return Failure(refusal + QStringLiteral(" Nothing was saved."));
    }
    bool wasCancelled = false;
    if (!WriteRecords(file, history, cancelled, wasCancelled) && wasCancelled) {
        file.Cancel();
        return Failure({});
    }
    // A device is written directly: there is no old file that stays.
    const bool device = file.writesDevice();
    if (const QString problem = file.Commit(); !problem.isEmpty()) {
        return Failure(device ? QStringLiteral("Writing \"%1\" failed: %2.").arg(Shown(path), problem)
                              : QStringLiteral("Saving \"%1\" failed: %2. The file was left as it was.")
                                    .arg(Shown(path), problem));
    }
    QCoreApplication::processEvents();
    TransferOutcome outcome;
    outcome.spins = history.SpinCount();
    return outcome;
}

}  // namespace orvanta
