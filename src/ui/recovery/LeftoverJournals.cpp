// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/recovery/LeftoverJournals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "ui/recovery/JournalLock.h"

namespace orvanta {

namespace {

constexpr std::size_t kPieceBytes = 1 << 20;

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// journal-3.log.damaged, or journal-3.log.damaged-2 when that is taken.
QString FreeName(const QString& path, const QString& reason) {
    const QString base = path + QLatin1Char('.') + reason;
    QString name = base;
    for (int n = 2; QFileInfo(name).exists() || QFileInfo(name).isSymLink(); ++n) {
        name = base + QLatin1Char('-') + QString::number(n);
    }
    return name;
}

QString ReasonFor(const JournalContents& contents) {
    return contents.version > kJournalVersion ? QStringLiteral("newer-version") : QStringLiteral("damaged");
}

// Sets the journal aside under the name given, and lets its lock go. Returns the
// sentence that says so.
QString MoveAside(const QString& path, const QString& name, std::shared_ptr<QLockFile>& lock) {
    const QString from = QFileInfo(path).fileName();
    QString note;
    if (QFile::rename(path, name)) {
        note = QStringLiteral("%1 was set aside as %2, in %3.")
                   .arg(from, QFileInfo(name).fileName(),
                        QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    } else {
        note = QStringLiteral("%1 could not be set aside and was left where it is.").arg(from);
    }
    lock.reset();
    return note;
}

struct ReadOutcome {
    bool tooLarge = false;
    JournalContents contents;
    qint64 size = 0;
    QDateTime modified;
    QString problem;  // why it was not read
};

// Opened without following a link and without waiting, and looked at through the open
// file: what the name gives must be a regular file of a size a history can make.
ReadOutcome ReadLeftover(const QString& path) {
    ReadOutcome outcome;
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        outcome.problem = SystemError(errno);
        return outcome;
    }
    struct stat info {};
    const bool looked = ::fstat(fd, &info) == 0;
    if (!looked || !S_ISREG(info.st_mode)) {
        outcome.problem = looked ? QStringLiteral("it is not a file") : SystemError(errno);
        ::close(fd);
        return outcome;
    }
    outcome.size = info.st_size;
    outcome.modified =
        QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec).addMSecs(info.st_mtim.tv_nsec / 1'000'000);
    if (info.st_size > kLargestJournalBytes) {
        outcome.tooLarge = true;
        ::close(fd);
        return outcome;
    }
    JournalReader reader;
    std::string piece(kPieceBytes, '\0');
    while (true) {
        const ssize_t read = ::read(fd, piece.data(), piece.size());
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read < 0) {
            outcome.problem = SystemError(errno);
            break;
        }
        if (read == 0 || !reader.Feed(std::string_view(piece.data(), static_cast<std::size_t>(read)))) {
            break;
        }
    }
    ::close(fd);
    outcome.contents = reader.Finish();
    return outcome;
}

}  // namespace

QString DamageText(const JournalContents& contents) {
    if (contents.version > kJournalVersion) {
        return contents.damagedLine > 0
                   ? QStringLiteral(
                         "it was written by a newer version of Orvanta, and its record %1 is one "
                         "this version does not know")
                         .arg(contents.damagedLine)
                   : QStringLiteral("it was written by a newer version of Orvanta");
    }
    if (contents.firstLineDamaged) {
        return contents.damagedLine > 1 ? QStringLiteral("its first line is damaged, and so is its record %1")
                                              .arg(contents.damagedLine)
                                        : QStringLiteral("its first line is damaged");
    }
    if (contents.damagedLine > 0) {
        return QStringLiteral("its record %1 is cut off or damaged").arg(contents.damagedLine);
    }
    return {};
}

QString SetAsideName(const Leftover& leftover) {
    return leftover.contents.ReadWhole() ? QString() : FreeName(leftover.path, ReasonFor(leftover.contents));
}

QString Retire(Leftover& leftover) {
    const QString name = SetAsideName(leftover);
    if (name.isEmpty()) {
        QFile::remove(leftover.path);
        leftover.lock.reset();
        return {};
    }
    return MoveAside(leftover.path, name, leftover.lock);
}

LeftoverSearch FindLeftovers(const QString& folder, std::string_view thisRun) {
    LeftoverSearch search;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({"journal-*.log"}, QDir::AllEntries | QDir::System | QDir::Hidden);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        struct stat info {};
        // A link, pipe, device or folder is nothing this program wrote.
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
            continue;
        }
        QLockFile::LockError error = QLockFile::NoError;
        std::shared_ptr<QLockFile> lock = LockJournal(path, error);
        if (lock == nullptr) {
            continue;  // the journal of a program that is running
        }
        ReadOutcome read = ReadLeftover(path);
        if (!read.problem.isEmpty()) {
            search.notes +=
                QStringLiteral("%1 could not be read (%2) and was left where it is.").arg(name, read.problem);
            continue;
        }
        if (read.tooLarge) {
            search.notes += QStringLiteral("%1 holds %2, more than any history makes, so it was not read. ")
                                .arg(name, QLocale().formattedDataSize(read.size)) +
                            MoveAside(path, FreeName(path, QStringLiteral("too-large")), lock);
            continue;
        }
        Leftover leftover{path, read.modified, std::move(read.contents), std::move(lock)};
        if (leftover.contents.run == thisRun || !leftover.contents.WorthRestoring()) {
            if (const QString note = Retire(leftover); !note.isEmpty()) {
                search.notes += QStringLiteral("%1 holds nothing that can be restored: %2. ")
                                    .arg(name, DamageText(leftover.contents)) +
                                note;
            }
            continue;
        }
        search.leftovers.push_back(std::move(leftover));
    }
    std::stable_sort(search.leftovers.begin(), search.leftovers.end(),
                     [](const Leftover& a, const Leftover& b) { return a.modified > b.modified; });
    return search;
}

}  // namespace orvanta
