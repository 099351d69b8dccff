// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery journal: a run killed in the middle of recording is offered at the
// next start and restored spin for spin; a damaged journal restores what it can and
// says so; a folder that cannot be written leaves the program working.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/recovery/JournalFormat.h"

#include "ui/MainWindow.h"
#include "ui/recovery/RecoveryJournal.h"

#include "support/DialogScript.h"
#include "support/SmallDisk.h"
#include "support/WindowFixture.h"

namespace orvanta {
namespace {

using testing::DialogScript;

// Points the application-data folder at a scratch folder of the test's own, where
// the windows made meanwhile keep their journals.
class RecoveryTest : public testing::WindowWithFilesTest {
protected:
    RecoveryTest() : before_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    }
    ~RecoveryTest() override { qputenv("XDG_DATA_HOME", before_); }

    static QString Folder() { return RecoveryJournal::DefaultFolder(); }
    static QStringList Journals() {
        return QDir(Folder()).entryList({"journal-*.log"}, QDir::Files, QDir::Name);
    }
    static QByteArray JournalBytes(const QString& name) {
        return testing::ReadFile(QDir(Folder()).filePath(name));
    }
    static QString WriteJournal(const QString& name, const std::string& bytes) {
        QDir().mkpath(Folder());
        QFile file(QDir(Folder()).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
                  static_cast<qint64>(bytes.size()));
        return file.fileName();
    }

    // A new start of the program: the window shown, its start-up question answered
    // by the steps.
    std::unique_ptr<MainWindow> Start(std::vector<DialogScript::Step> steps) {
        DialogScript script(std::move(steps));
        auto window = std::make_unique<MainWindow>();
        window->show();
        QTest::qWait(20);  // the question comes once the window is on the screen
        EXPECT_TRUE(QTest::qWaitFor([&] { return script.done(); }, 30'000));
        return window;
    }
    static std::vector<int> SpinsOf(const MainWindow& window) {
        return {window.model().Spins().begin(), window.model().Spins().end()};
    }
    static std::string Status(const MainWindow& window) { return testing::LatestMessage(window); }

    QTemporaryDir data_;

private:
    QByteArray before_;
};

TEST_F(RecoveryTest, SpinsOfAKilledRunAreOfferedAndRestored) {
    QProcess run;
    run.start(ORVANTA_RECORDING_HELPER,
              {QCoreApplication::applicationName(), "7", "17", "0", "36", "-", "12", "5", "5"});
    ASSERT_TRUE(run.waitForReadyRead(30'000)) << run.readAllStandardError().toStdString();
    ASSERT_EQ(run.readLine().trimmed(), "recorded");
    run.kill();  // SIGKILL: nothing of the program runs on the way out
    ASSERT_TRUE(run.waitForFinished());
    ASSERT_EQ(Journals().size(), 1);

    const auto window = Start({DialogScript::ClickText("recoveryOffer", "&Restore")});
    EXPECT_EQ(SpinsOf(*window), (std::vector{7, 17, 0, 12, 5, 5}));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(Status(*window), "Restored 6 spins from the recovery journal.");
    // The restored spins are this run's now: the old journal is gone, the new one holds them.
    ASSERT_EQ(Journals().size(), 1);
    EXPECT_EQ(ReadJournal(JournalBytes(Journals().front()).toStdString()).spins.size(), 6u);
}

// A spin clicked while a file loads is the newest of all and waits for the load; the
// journal meanwhile keeps the history the window shows. A crash in the middle of the
// load brings back that history as it was, never one with the click put in among
// its spins where the half-read file had got to.
TEST_F(RecoveryTest, AKillDuringALoadRestoresOnlyAHistoryTheWindowHeld) {
    const QString file = Write("new.dat", QByteArray("5 \r\n").repeated(200'000));
    QProcess run;
    run.start(ORVANTA_RECORDING_HELPER,
              {QCoreApplication::applicationName(), "paste:300000", "load", file, "17"});
    ASSERT_TRUE(run.waitForReadyRead(30'000)) << run.readAllStandardError().toStdString();
    ASSERT_EQ(run.readLine().trimmed(), "clicked");
    run.kill();
    ASSERT_TRUE(run.waitForFinished());

    QString offer;
    const auto window = Start({[&](QWidget* dialog) {
        offer = static_cast<QMessageBox*>(dialog)->informativeText();
        DialogScript::ClickText("recoveryOffer", "&Restore")(dialog);
    }});
    std::vector<int> pasted(300'000);
    for (std::size_t i = 0; i < pasted.size(); ++i) {
        pasted[i] = static_cast<int>(i % 37);
    }
    const std::vector<int> restored = SpinsOf(*window);
    EXPECT_EQ(restored.size(), pasted.size()) << "a click put in where the half-read file had got to";
    EXPECT_EQ(restored, pasted);
    EXPECT_FALSE(offer.contains("damaged")) << offer.toStdString();
}

struct LeftoverRow {
    const char* name;
    std::string bytes;  // the journal-7.log of a run long gone
    const char* answer;
    const char* offered;  // a part of the offer
    const char* said;     // a part of the status line afterwards
    std::vector<int> spins;
    QStringList left;  // what is left of journal-7.log afterwards
};

void PrintTo(const LeftoverRow& row, std::ostream* out) {
    *out << row.name;
}

class Leftovers : public RecoveryTest, public ::testing::WithParamInterface<LeftoverRow> {};

// A damaged journal restores what it can and says what it could not; one that cannot
// be read whole is set aside, never deleted, whatever the answer.
TEST_P(Leftovers, ADamagedJournalRestoresWhatItCanAndSaysSo) {
    WriteJournal("journal-7.log", GetParam().bytes);
    QString offer;
    const auto window = Start({[&](QWidget* dialog) {
        offer = static_cast<QMessageBox*>(dialog)->informativeText();
        DialogScript::ClickText("recoveryOffer", GetParam().answer)(dialog);
    }});
    EXPECT_TRUE(offer.contains(GetParam().offered)) << offer.toStdString();
    EXPECT_NE(Status(*window).find(GetParam().said), std::string::npos) << Status(*window);
    EXPECT_EQ(SpinsOf(*window), GetParam().spins);
    EXPECT_EQ(QDir(Folder()).entryList({"journal-7.log*"}, QDir::Files), GetParam().left);
}

const std::vector<std::int8_t> kFirst{1, 2, 3};
const std::string kSound = JournalHeader("a run long gone") + JournalInsert(1, kFirst);
// Cut off in its last record, as a crash in the middle of a write leaves it.
const std::string kCutOff = kSound + JournalInsert(4, kFirst).substr(0, 5);

std::string FlippedAt(std::string bytes, std::size_t at) {
    bytes[at] ^= 0x10;
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Leftovers,
    ::testing::Values(
        LeftoverRow{"Restore",
                    kCutOff,
                    "&Restore",
                    "3 spins not yet saved. Its record 3 is cut off or damaged",
                    "Restored 3 spins from the recovery journal. The journal was damaged at record 3",
                    {1, 2, 3},
                    {}},
        LeftoverRow{"Discard", kCutOff, "&Discard", "record 3 is cut off", "", {}, {}},
        LeftoverRow{"Later", kCutOff, "&Later", "record 3 is cut off", "", {}, {"journal-7.log"}},
        LeftoverRow{"FirstLineFlipped",
                    FlippedAt(kSound, 5),
                    "&Restore",
                    "Its first line is damaged; the records after it were read. As it cannot be read whole, "
                    "it is not deleted: Restore or Discard keeps it as journal-7.log.damaged.",
                    "journal-7.log was set aside as journal-7.log.damaged",
                    {1, 2, 3},
                    {"journal-7.log.damaged"}},
        LeftoverRow{"NewerVersion",
                    JournalLine("ORVANTA-JOURNAL 2 later") + JournalInsert(1, kFirst) + JournalLine("R 2"),
                    "&Discard",
                    "newer version of Orvanta, and its record 3 is one this version does not know",
                    "set aside as journal-7.log.newer-version",
                    {},
                    {"journal-7.log.newer-version"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A lock whose owner cannot be shown alive hides no journal.
TEST_F(RecoveryTest, StaleLocksHideNoJournal) {
    for (const QByteArray& lock : {QByteArray(), QByteArray("4242\norvanta\nanother-machine\n")}) {
        const QString journal = WriteJournal("journal-7.log", kSound);
        QFile file(journal + ".lock");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lock);
        // A lock left empty by a kill while it was written is older than one being written.
        ASSERT_TRUE(
            file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        file.close();
        const auto window = Start({DialogScript::ClickText("recoveryOffer", "&Restore")});
        EXPECT_EQ(SpinsOf(*window), (std::vector{1, 2, 3})) << lock.toStdString();
    }
}

// Every leftover is offered, newest first; once one is restored the others can wait
// for a later start or go, but not replace it.
TEST_F(RecoveryTest, EveryLeftoverIsOfferedNewestFirst) {
    const std::vector<std::int8_t> many(14'000, 8);
    for (const auto& [name, spins, hoursAgo] : {std::tuple("journal-1.log", std::vector<std::int8_t>{1}, 3),
                                                std::tuple("journal-2.log", std::vector<std::int8_t>{2}, 2),
                                                std::tuple("journal-3.log", many, 1)}) {
        QFile file(WriteJournal(name, JournalHeader("gone") + JournalInsert(1, spins)));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * hoursAgo),
                                     QFileDevice::FileModificationTime));
    }
    QStringList offers;
    const auto answer = [&](const char* button) {
        return [&offers, button](QWidget* dialog) {
            auto* box = static_cast<QMessageBox*>(dialog);
            offers += box->text() + " " + box->informativeText();
            EXPECT_EQ(box->buttons().size(), offers.size() == 1 ? 3 : 2) << "Restore only while nothing was";
            DialogScript::ClickText("recoveryOffer", button)(dialog);
        };
    };
    const auto window = Start({answer("&Restore"), answer("&Later"), answer("&Discard")});
    ASSERT_EQ(offers.size(), 3);
    EXPECT_TRUE(offers[0].contains("3 times. Journal 1 of 3") && offers[0].contains("14,000 spins"))
        << offers[0].toStdString();
    EXPECT_TRUE(offers[1].contains("1 spin not") && offers[1].contains("would replace"))
        << offers[1].toStdString();
    EXPECT_EQ(SpinsOf(*window), std::vector<int>(many.begin(), many.end()));
    EXPECT_EQ(Status(*window), "Restored 14,000 spins from the recovery journal.");
    // The restored journal went, its spins in this window's own; the one kept for later stays.
    EXPECT_EQ(Journals(), QStringList({"journal-2.log", "journal-4.log"}));
    EXPECT_EQ(ReadJournal(JournalBytes("journal-2.log").toStdString()).spins, (std::vector<std::int8_t>{2}));
    EXPECT_EQ(ReadJournal(JournalBytes("journal-4.log").toStdString()).spins.size(), 14'000u);
}

// Puts something at a journal's name that is no journal of a crashed run.
struct StrangeRow {
    const char* name;
    std::function<bool(const QByteArray& journal)> make;  // false: it cannot be made here
    const char* setAside;                                 // its new name; empty when it is left alone
};

void PrintTo(const StrangeRow& row, std::ostream* out) {
    *out << row.name;
}

class StrangeJournals : public RecoveryTest, public ::testing::WithParamInterface<StrangeRow> {};

// Started beside each in a child process, with its memory bounded, so that a start
// that waits or dies fails the test instead of hanging or ending the run.
TEST_P(StrangeJournals, NeverStopTheStart) {
    QDir().mkpath(Folder());
    const QString journal = QDir(Folder()).filePath("journal-7.log");
    if (!GetParam().make(QFile::encodeName(journal))) {
        GTEST_SKIP() << "making a device node takes root";
    }
    QProcess run;
    run.setChildProcessModifier([] {
#ifndef __SANITIZE_ADDRESS__
        const rlimit memory{rlim_t{2} << 30, rlim_t{2} << 30};
        ::setrlimit(RLIMIT_AS, &memory);
#endif
    });
    run.start(ORVANTA_RECORDING_HELPER, {QCoreApplication::applicationName()});
    const bool started = run.waitForReadyRead(10'000);
    const QByteArray said = run.readLine().trimmed();
    run.kill();
    run.waitForFinished();
    ASSERT_TRUE(started) << run.readAllStandardError().toStdString();
    EXPECT_EQ(said, "recorded");
    const QString setAside = GetParam().setAside;
    const QFileInfo left(journal);
    EXPECT_EQ(left.exists() || left.isSymLink(), setAside.isEmpty());
    if (!setAside.isEmpty()) {
        EXPECT_TRUE(QFileInfo::exists(QDir(Folder()).filePath(setAside)));
    }
}

bool Sparse(const QByteArray& path, const QByteArray& start, qint64 size) {
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::WriteOnly) && file.write(start) == start.size() && file.resize(size);
}

QByteArray Garbage(int size) {
    std::mt19937 random(7);
    QByteArray bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random());
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Names, StrangeJournals,
    ::testing::Values(
        StrangeRow{"LinkToAPipe",
                   [](const QByteArray& journal) {
                       const QByteArray pipe = journal + ".pipe";
                       return ::mkfifo(pipe.constData(), 0600) == 0 &&
                              ::symlink(pipe.constData(), journal.constData()) == 0;
                   },
                   ""},
        StrangeRow{"LinkToEndlessZeros",
                   [](const QByteArray& journal) { return ::symlink("/dev/zero", journal.constData()) == 0; },
                   ""},
        StrangeRow{"APipe",
                   [](const QByteArray& journal) { return ::mkfifo(journal.constData(), 0600) == 0; }, ""},
        StrangeRow{"ADeviceNode",
                   [](const QByteArray& journal) {
                       return ::mknod(journal.constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
                   },
                   ""},
        StrangeRow{"Sparse20GB",
                   [](const QByteArray& journal) {
                       return Sparse(journal, JournalHeader("gone").c_str(), qint64{20} << 30);
                   },
                   "journal-7.log.too-large"},
        StrangeRow{
            "Garbage2GB",
            [](const QByteArray& journal) { return Sparse(journal, Garbage(1 << 16), qint64{2} << 30); },
            "journal-7.log.damaged"}),
    [](const auto& info) { return std::string(info.param.name); });

// What was set aside at the start is said before anything is offered.
TEST_F(RecoveryTest, JournalsSetAsideAreNamedInANotice) {
    QDir().mkpath(Folder());
    ASSERT_TRUE(Sparse(QFile::encodeName(QDir(Folder()).filePath("journal-1.log")), "", qint64{20} << 30));
    WriteJournal("journal-2.log", "no journal\nnor this\n" + JournalHeader("x"));
    QString notice;
    const auto window = Start({[&](QWidget* dialog) {
        notice = static_cast<QMessageBox*>(dialog)->informativeText();
        DialogScript::Click("recoveryNotice", QMessageBox::Ok)(dialog);
    }});
    EXPECT_TRUE(
        notice.contains("more than any history makes, so it was not read. journal-1.log was set aside "
                        "as journal-1.log.too-large"))
        << notice.toStdString();
    EXPECT_TRUE(
        notice.contains("journal-2.log holds nothing that can be restored: its first line is damaged, and "
                        "so is its record 2. journal-2.log was set aside as journal-2.log.damaged"))
        << notice.toStdString();
}

// The recovery folder on a real small file system, filled to the brim once the window
// has started.
class FullRecoveryDisk : public RecoveryTest {
protected:
    void SetUp() override {
        if (!disk_.mounted()) {
            GTEST_SKIP() << "mounting a small file system takes root";
        }
        qputenv("XDG_DATA_HOME", disk_.Path().toLocal8Bit());
    }
    std::string Notice(const MainWindow& window) {
        QApplication::processEvents();
        const auto* box = window.findChild<QMessageBox*>("recoveryMessage");
        return box == nullptr ? std::string("no notice") : box->text().toStdString();
    }

    testing::SmallDisk disk_;
};

// The old journal goes only once its successor is on the disk.
TEST_F(FullRecoveryDisk, ARestoreThatCannotBeWrittenKeepsTheOldJournal) {
    const std::vector<std::int8_t> fifty(50, 17);
    const QString old = WriteJournal("journal-7.log", JournalHeader("gone") + JournalInsert(1, fifty));
    MainWindow window;
    disk_.FillLeaving(0);
    DialogScript script({DialogScript::ClickText("recoveryOffer", "&Restore")});
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return script.done(); }, 30'000));
    EXPECT_EQ(SpinsOf(window), std::vector<int>(50, 17));
    EXPECT_EQ(ReadJournal(testing::ReadFile(old).toStdString()).spins, fifty);
    EXPECT_NE(Notice(window).find("(No space left on device)"), std::string::npos) << Notice(window);
    EXPECT_NE(Status(window).find("journal-7.log is kept until Orvanta ends cleanly"), std::string::npos)
        << Status(window);
}

// A journal that cannot be written anew keeps what it held, and says so at once.
TEST_F(FullRecoveryDisk, ALoadThatCannotBeJournaledKeepsTheJournalReadable) {
    const auto window = Start({});
    window->AddResult(5);
    window->AddResult(6);
    disk_.FillLeaving(0);
    ASSERT_TRUE(window->LoadResultsFileFrom(Write("small.dat", "7 \r\n")));
    EXPECT_NE(Notice(*window).find("(No space left on device)"), std::string::npos) << Notice(*window);
    EXPECT_EQ(ReadJournal(JournalBytes(Journals().front()).toStdString()).spins,
              (std::vector<std::int8_t>{5, 6}));
}

TEST_F(RecoveryTest, TwoWindowsKeepJournalsOfTheirOwn) {
    MainWindow first;
    MainWindow second;
    first.AddResult(11);
    second.AddResult(22);
    const QStringList journals = Journals();
    ASSERT_EQ(journals.size(), 2);
    EXPECT_EQ(ReadJournal(JournalBytes(journals[0]).toStdString()).spins, (std::vector<std::int8_t>{11}));
    EXPECT_EQ(ReadJournal(JournalBytes(journals[1]).toStdString()).spins, (std::vector<std::int8_t>{22}));
}

// A load goes to the journal as one block, and a history that matches its file
// leaves nothing to offer.
TEST_F(RecoveryTest, ALoadIsWrittenAsOneBlock) {
    MainWindow window;
    window.AddResult(3);
    ASSERT_TRUE(window.LoadResultsFileFrom(Write("many.dat", QByteArray("12\r\n").repeated(5000))));
    const QByteArray bytes = JournalBytes(Journals().front());
    EXPECT_EQ(bytes.count('\n'), 4) << "header, history, file, matches the file";
    const JournalContents journal = ReadJournal(bytes.toStdString());
    EXPECT_EQ(journal.spins.size(), 5000u);
    EXPECT_FALSE(journal.WorthRestoring());
}

TEST_F(RecoveryTest, AFolderThatCannotBeWrittenTurnsRecoveryOffOnce) {
    // A file where the folder would go: not even root can make the folder.
    const QString blocked = Write("blocked", "");
    qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
    const auto window = Start({});
    window->AddResult(9);
    window->hide();
    window->show();
    QTest::qWait(50);
    const auto notices = window->findChildren<QMessageBox*>("recoveryMessage");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices.front()->text().startsWith("Crash recovery is off"))
        << notices.front()->text().toStdString();
    EXPECT_EQ(SpinsOf(*window), (std::vector{9}));
}

}  // namespace
}  // namespace orvanta
