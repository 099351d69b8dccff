#include "files/ResultsFileView.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>

#include <string>

#include "files/ResultsFile.h"

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Failure(
            QStringLiteral("Could not open \"%1\" for reading: %2.").arg(Shown(path), file.errorString()));
    }

    target.clearResults();
    ResultsFileReader reader;
    FramePacer pacer;
    long long loaded = 0;
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
        chunk.resize(static_cast<std::size_t>(read));
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
                        .arg(Shown(path), QString::fromStdString(DescribeUnusableField(*field)))
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

TransferOutcome SaveResultsFile(const QString& path, const SpinModel& model,
                                const std::function<bool()>& cancelled) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure(QStringLiteral("Could not open \"%1\" for writing: %2. Nothing was saved.")
                           .arg(Shown(path), file.errorString()));
    }

    // Spins recorded while the save runs are not part of it.
    const int count = model.SpinCount();
    FramePacer pacer;
    std::string chunk;
    for (int first = 1; first <= count; first += kRecordsPerChunk) {
        const int last = std::min(count, first + kRecordsPerChunk - 1);
        chunk.clear();
        AppendResultsRecords(model, first, last, chunk);
        if (file.write(chunk.data(), static_cast<qint64>(chunk.size())) !=
            static_cast<qint64>(chunk.size())) {
            file.cancelWriting();
            return Failure(QStringLiteral("Writing \"%1\" failed: %2. The file was left as it was.")
                               .arg(Shown(path), file.errorString()));
        }
        pacer.Tick();
        if (cancelled()) {
            file.cancelWriting();
            return {};
        }
    }
    if (!file.commit()) {
        return Failure(QStringLiteral("Saving \"%1\" failed: %2. The file was left as it was.")
                           .arg(Shown(path), file.errorString()));
    }
    QCoreApplication::processEvents();
    return {};
}

}  // namespace orvanta
