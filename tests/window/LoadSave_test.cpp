// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <unistd.h>

#include "ui/MainWindow.h"
#include "ui/StatusLine.h"
#include "ui/charts/StatChart.h"

#include "support/DialogScript.h"
#include "support/GridReading.h"
#include "support/WindowFixture.h"

namespace orvanta {
namespace {

using testing::ColumnTexts;
using testing::RowTexts;
using Texts = std::vector<std::string>;

class ResultsFileTest : public testing::WindowWithFilesTest {
protected:
    static QByteArray Read(const QString& path) { return testing::ReadFile(path); }
    const QTableView* grid() const { return window_.findChild<QTableView*>("FlexGrid1"); }
};

TEST_F(ResultsFileTest, SavesTheTwelveByteExampleAndLoadsItBack) {
    Spin({7, 17, 0});
    ASSERT_TRUE(window_.SaveResultsFileTo(Path("spins.dat")));
    EXPECT_EQ(Read(Path("spins.dat")), QByteArray("7 \r\n17\r\n0 \r\n"));

    Spin({36});
    ASSERT_TRUE(window_.LoadResultsFileFrom(Path("spins.dat")));
    EXPECT_EQ(window_.model().SpinCount(), 3);
    EXPECT_EQ(window_.model().SlotText(1), "7 ");
    EXPECT_EQ(window_.model().SlotText(2), "17");
    EXPECT_EQ(window_.model().SlotText(3), "0 ");
    EXPECT_EQ(TakeMessage(), "");
}

struct LoadRow {
    const char* name;
    QByteArray bytes;
    std::vector<int> spins;
};

void PrintTo(const LoadRow& row, std::ostream* out) {
    *out << row.name;
}

class LoadRows : public ResultsFileTest, public ::testing::WithParamInterface<LoadRow> {};

TEST_P(LoadRows, ReplaysTheFieldsOfTheFile) {
    Spin({1, 2, 3, 4});
    EXPECT_TRUE(window_.LoadResultsFileFrom(Write("in.dat", GetParam().bytes)));
    EXPECT_EQ(Spins(), GetParam().spins);
    EXPECT_EQ(TakeMessage(), "");
}

INSTANTIATE_TEST_SUITE_P(Files, LoadRows,
                         ::testing::Values(LoadRow{"EmptyLineReadsZero", "7\r\n\r\n", {7, 0}},
                                           LoadRow{"Commas", "5,12,33", {5, 12, 33}},
                                           LoadRow{"QuotesAndTabs", "\"9\"\r\n\t11 \r\n", {9, 11}},
                                           LoadRow{"HalvesToEven", "7.5\r\n6.5\r\n", {8, 6}},
                                           LoadRow{"NoFinalLineEnd", "3\r\n14", {3, 14}},
                                           LoadRow{"LineFeedsOnly", "1\n2\n", {1, 2}},
                                           LoadRow{"CarriageReturnsOnly", "1\r2\r", {1, 2}}));

// The views show the loaded history, so that a following save never writes an empty
// file while the window shows spins.
TEST_F(ResultsFileTest, AnEmptyFileEmptiesTheHistoryAndTheViews) {
    for (int i = 0; i < 30; ++i) {
        window_.AddResult(i % 37);
    }
    window_.findChild<QScrollBar*>("ScrollMain")->setValue(5);
    ASSERT_TRUE(window_.LoadResultsFileFrom(Write("empty.dat", "")));
    EXPECT_EQ(window_.model().SpinCount(), 0);
    ExpectViewsAgreeWithTheHistory();
    EXPECT_EQ(testing::LatestMessage(window_), "Loaded 0 spins from \"empty.dat\".");
}

TEST_F(ResultsFileTest, ABadFieldEndsTheLoadAndSaysWhere) {
    EXPECT_FALSE(window_.LoadResultsFileFrom(Write("bad.dat", "3\r\n38\r\n4\r\n")));
    EXPECT_EQ(Spins(), (std::vector{3}));
    const std::string message = TakeMessage();
    EXPECT_NE(message.find("line 2"), std::string::npos) << message;
    EXPECT_NE(message.find("38"), std::string::npos) << message;
    EXPECT_NE(message.find("bad.dat"), std::string::npos) << message;

    // The next command works as usual.
    EXPECT_TRUE(window_.LoadResultsFileFrom(Write("good.dat", "12\r\n")));
    EXPECT_EQ(Spins(), (std::vector{12}));
}

TEST_F(ResultsFileTest, AMissingFileChangesNothingAndSaysSo) {
    Spin({5});
    EXPECT_FALSE(window_.LoadResultsFileFrom(Path("none.dat")));
    EXPECT_EQ(Spins(), (std::vector{5}));
    EXPECT_NE(TakeMessage().find("none.dat"), std::string::npos);
}

TEST_F(ResultsFileTest, SaveThenLoadRebuildsGridAndTallies) {
    for (int i = 0; i < 500; ++i) {
        window_.AddResult((i * 11 + 5) % 37);
    }
    const SpinTallies tallies = window_.model().Tallies();
    const Texts firstRow = RowTexts(grid(), 1);
    const Texts lastRow = RowTexts(grid(), 19);
    ASSERT_TRUE(window_.SaveResultsFileTo(Path("round.dat")));
    Spin({0, 0, 0});
    ASSERT_TRUE(window_.LoadResultsFileFrom(Path("round.dat")));
    EXPECT_EQ(window_.model().SpinCount(), 500);
    EXPECT_EQ(window_.model().Tallies(), tallies);
    EXPECT_EQ(RowTexts(grid(), 1), firstRow);
    EXPECT_EQ(RowTexts(grid(), 19), lastRow);
}

TEST_F(ResultsFileTest, AFailedSaveLeavesTheOldFileAlone) {
    const QString old = Write("keep.dat", "1 \r\n2 \r\n");
    Spin({30, 31});
    // A target that is a folder cannot be written.
    ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.dat"));
    EXPECT_FALSE(window_.SaveResultsFileTo(Path("folder.dat")));
    EXPECT_NE(TakeMessage().find("folder.dat"), std::string::npos);
    EXPECT_TRUE(QFileInfo(Path("folder.dat")).isDir());

    EXPECT_FALSE(window_.SaveResultsFileTo(Path("missing/keep.dat")));
    EXPECT_FALSE(TakeMessage().empty());
    EXPECT_EQ(Read(old), QByteArray("1 \r\n2 \r\n"));
}

TEST_F(ResultsFileTest, AFailedSaveInAReadOnlyFolderKeepsTheFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the root user";
    }
    const QString old = Write("keep.dat", "1 \r\n");
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner);
    Spin({30});
    EXPECT_FALSE(window_.SaveResultsFileTo(old));
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(Read(old), QByteArray("1 \r\n"));
    EXPECT_FALSE(TakeMessage().empty());
}

// The load yields to the window, but a click meanwhile is the newest spin of all: it
// waits and is recorded after the file's spins, as a step of its own. A second file
// command is refused.
TEST_F(ResultsFileTest, AClickDuringALoadIsRecordedAfterTheFilesSpins) {
    const QString path = Write("long.dat", QByteArray("5 \r\n").repeated(65536));
    window_.show();
    bool secondRefused = false;
    QTimer::singleShot(0, &window_, [&] {
        QTest::mouseClick(window_.findChild<QWidget*>("TableNum_17"), Qt::LeftButton);
        secondRefused = !window_.LoadResultsFileFrom(path);
    });
    ASSERT_TRUE(window_.LoadResultsFileFrom(path));
    EXPECT_TRUE(secondRefused);
    EXPECT_FALSE(TakeMessage().empty());

    std::vector<int> loaded(65536, 5);
    std::vector<int> clicked = loaded;
    clicked.push_back(17);
    EXPECT_EQ(Spins(), clicked);
    EXPECT_TRUE(window_.isWindowModified());
    window_.findChild<QAction*>("mnu_Undo")->trigger();
    EXPECT_EQ(Spins(), loaded);
    EXPECT_FALSE(window_.isWindowModified());
}

// The status line keeps what each load and save did, with its spin count, and the
// failures the message box told; above them it counts the spins.
TEST_F(ResultsFileTest, LoadsAndSavesReportToTheStatusLine) {
    Spin({7, 17, 0});
    ASSERT_TRUE(window_.SaveResultsFileTo(Path("three.dat")));
    Spin({1});
    ASSERT_TRUE(window_.LoadResultsFileFrom(Path("three.dat")));
    EXPECT_FALSE(window_.LoadResultsFileFrom(Path("missing.dat")));
    const std::string failure = TakeMessage();
    const QStringList& messages = window_.statusLine()->messages();
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[0].toStdString(), failure);
    EXPECT_EQ(messages[1], "Loaded 3 spins from \"three.dat\".");
    EXPECT_EQ(messages[2], "Saved 3 spins to \"three.dat\".");
    EXPECT_TRUE(window_.statusLine()->toPlainText().startsWith("Spins recorded: 3\n"));
}

// A dialog starts in the folder last chosen, the first one in the user's documents
// folder (the home folder where there is none), never in the program's; the pattern in
// the name box is never taken for a file's name, and a name typed without an extension
// gets ".dat".
TEST_F(ResultsFileTest, FileDialogsStartInTheFolderLastChosen) {
    window_.show();
    // Return on the "*.dat" pattern lists files instead of taking it as a name.
    const auto inFolder = [](const QString& expectedFolder, const QString& typed) {
        return [=](QWidget* shown) {
            auto* dialog = qobject_cast<QFileDialog*>(shown);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->directory().absolutePath(), expectedFolder);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QTest::keyClick(name, Qt::Key_Return);
            EXPECT_TRUE(dialog->isVisible()) << "accepted " << name->text().toStdString();
            name->setText(typed);
            QTest::keyClick(name, Qt::Key_Return);
        };
    };
    Spin({7, 17});
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString first = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    {
        const testing::DialogScript script({inFolder(first, Path("kept"))});
        window_.findChild<QAction*>("mnu_Save")->trigger();
    }
    EXPECT_EQ(Read(Path("kept.dat")), QByteArray("7 \r\n17\r\n"));
    EXPECT_FALSE(QFile::exists(QCoreApplication::applicationDirPath() + "/*.dat"));

    Spin({3});
    {
        const testing::DialogScript script(
            {testing::DialogScript::Click("unsavedSpinsQuestion", QMessageBox::Discard),
             inFolder(QDir(folder_.path()).absolutePath(), "kept.dat")});
        window_.findChild<QAction*>("mnu_Open")->trigger();
    }
    EXPECT_EQ(Spins(), (std::vector<int>{7, 17}));
}

}  // namespace
}  // namespace orvanta
