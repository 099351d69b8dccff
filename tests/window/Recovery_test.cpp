// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery journal: a run killed in the middle of recording is offered at the
// next start and restored spin for spin; a damaged journal restores what it can and
// says so; a folder that cannot be written leaves the program working.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/recovery/JournalFormat.h"

#include "ui/MainWindow.h"
#include "ui/recovery/RecoveryJournal.h"

#include "support/DialogScript.h"
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
    const char* answer;
    std::vector<int> spins;
    bool kept;
};

void PrintTo(const LeftoverRow& row, std::ostream* out) {
    *out << row.name;
}

class Leftovers : public RecoveryTest, public ::testing::WithParamInterface<LeftoverRow> {};

// A journal cut off in its last record, as a crash in the middle of a write leaves it.
TEST_P(Leftovers, ADamagedJournalRestoresWhatItCanAndSaysSo) {
    const std::vector<std::int8_t> first{1, 2, 3};
    const std::vector<std::int8_t> last{4};
    const std::string cut = JournalInsert(4, last);
    QDir().mkpath(Folder());
    QFile file(QDir(Folder()).filePath("journal-7.log"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string bytes = JournalHeader("a run long gone") + JournalInsert(1, first) + cut.substr(0, 5);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();

    QString offer;
    const auto window = Start({[&](QWidget* dialog) {
        offer = static_cast<QMessageBox*>(dialog)->informativeText();
        DialogScript::ClickText("recoveryOffer", GetParam().answer)(dialog);
    }});
    EXPECT_TRUE(offer.contains("3 spins")) << offer.toStdString();
    EXPECT_TRUE(offer.contains("record 3 is cut off or damaged")) << offer.toStdString();
    EXPECT_EQ(SpinsOf(*window), GetParam().spins);
    EXPECT_EQ(QFile::exists(file.fileName()), GetParam().kept);
    if (!GetParam().spins.empty()) {
        EXPECT_NE(Status(*window).find("damaged at record 3"), std::string::npos) << Status(*window);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, Leftovers,
                         ::testing::Values(LeftoverRow{"Restore", "&Restore", {1, 2, 3}, false},
                                           LeftoverRow{"Discard", "&Discard", {}, false},
                                           LeftoverRow{"Later", "&Later", {}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

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
