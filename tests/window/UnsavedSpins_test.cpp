// SPDX-License-Identifier: GPL-3.0-or-later

// Spins that are not saved are never lost without the user's word: Exit, closing the
// window and Open ask Save / Discard / Cancel through real message boxes, and the
// caption says which file the history belongs to and whether it changed.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/MainWindow.h"
#include "ui/recovery/RecoveryJournal.h"

#include "support/DialogScript.h"
#include "support/WindowFixture.h"

namespace orvanta {
namespace {

using testing::DialogScript;

enum class Way { Exit, Close, Open };

struct GuardRow {
    const char* name;
    Way way;
    bool unsaved;
    QMessageBox::StandardButton answer;  // NoButton: no question is expected
};

void PrintTo(const GuardRow& row, std::ostream* out) {
    *out << row.name;
}

class UnsavedSpinsTest : public testing::WindowWithFilesTest {
protected:
    QAction* action(const char* name) const { return window_.findChild<QAction*>(name); }
    int Journals() const {
        return static_cast<int>(QDir(RecoveryJournal::DefaultFolder()).entryList({"journal-*.log"}).size());
    }
    // Runs one way out inside the application's event loop, as the program does;
    // true when the window closed and the loop ended.
    bool Leave(Way way) {
        QTimer::singleShot(0, &window_, [this, way] {
            switch (way) {
                case Way::Exit:
                    action("mnu_Exit")->trigger();
                    break;
                case Way::Close:
                    window_.close();
                    break;
                case Way::Open:
                    action("mnu_Open")->trigger();
                    break;
            }
            if (window_.isVisible()) {
                QCoreApplication::exit(1);
            }
        });
        return QApplication::exec() == 0 && !window_.isVisible();
    }
};

class Guard : public UnsavedSpinsTest, public ::testing::WithParamInterface<GuardRow> {};

TEST_P(Guard, AsksAndDoesWhatTheUserPicks) {
    const GuardRow& row = GetParam();
    window_.show();
    const QString other = Write("other.dat", "5 \r\n");
    Spin({7, 17});
    if (!row.unsaved) {
        ASSERT_TRUE(window_.SaveResultsFileTo(Path("before.dat")));
    }
    const bool goesOn = row.answer != QMessageBox::Cancel;
    std::vector<DialogScript::Step> steps;
    if (row.answer != QMessageBox::NoButton) {
        steps.push_back(DialogScript::Click("unsavedSpinsQuestion", row.answer));
    }
    if (row.answer == QMessageBox::Save) {
        steps.push_back(DialogScript::Choose(Path("saved.dat")));
    }
    if (row.way == Way::Open && goesOn) {
        steps.push_back(DialogScript::Choose(other));
    }
    bool closed = false;
    {
        DialogScript script(steps);
        closed = Leave(row.way);
    }

    if (row.answer == QMessageBox::Save) {
        EXPECT_EQ(testing::ReadFile(Path("saved.dat")), QByteArray("7 \r\n17\r\n"));
    }
    if (row.way == Way::Open) {
        EXPECT_FALSE(closed);
        EXPECT_EQ(Spins(), (goesOn ? std::vector{5} : std::vector{7, 17}));
        EXPECT_EQ(window_.isWindowModified(), !goesOn);
        EXPECT_EQ(window_.windowTitle(),
                  goesOn ? "other.dat[*] \u2014 Orvanta" : "Untitled[*] \u2014 Orvanta");
    } else {
        EXPECT_EQ(closed, goesOn);
        // A clean end leaves no journal; a cancelled one keeps recording.
        EXPECT_EQ(Journals(), goesOn ? 0 : 1);
        EXPECT_EQ(Spins(), (std::vector{7, 17}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Guard,
    ::testing::Values(GuardRow{"ExitSave", Way::Exit, true, QMessageBox::Save},
                      GuardRow{"ExitDiscard", Way::Exit, true, QMessageBox::Discard},
                      GuardRow{"ExitCancel", Way::Exit, true, QMessageBox::Cancel},
                      GuardRow{"CloseSave", Way::Close, true, QMessageBox::Save},
                      GuardRow{"CloseDiscard", Way::Close, true, QMessageBox::Discard},
                      GuardRow{"CloseCancel", Way::Close, true, QMessageBox::Cancel},
                      GuardRow{"OpenSave", Way::Open, true, QMessageBox::Save},
                      GuardRow{"OpenDiscard", Way::Open, true, QMessageBox::Discard},
                      GuardRow{"OpenCancel", Way::Open, true, QMessageBox::Cancel},
                      GuardRow{"ExitWithNothingUnsaved", Way::Exit, false, QMessageBox::NoButton},
                      GuardRow{"CloseWithNothingUnsaved", Way::Close, false, QMessageBox::NoButton},
                      GuardRow{"OpenWithNothingUnsaved", Way::Open, false, QMessageBox::NoButton}),
    [](const auto& info) { return std::string(info.param.name); });

// Save in the question, then the save dialog cancelled or the save failing: the
// window stays, with its spins.
TEST_F(UnsavedSpinsTest, ACancelledOrFailedSaveCancelsTheExit) {
    window_.show();
    Spin({3});
    for (const QString& target : {QString(), Path("missing/folder/x.dat")}) {
        DialogScript script(
            {DialogScript::Click("unsavedSpinsQuestion", QMessageBox::Save), DialogScript::Choose(target)});
        EXPECT_FALSE(Leave(Way::Close));
        EXPECT_EQ(Spins(), (std::vector{3}));
    }
    EXPECT_NE(TakeMessage().find("missing"), std::string::npos);
}

TEST_F(UnsavedSpinsTest, TheCaptionNamesTheFileAndMarksChanges) {
    EXPECT_FALSE(window_.isWindowModified());
    Spin({3});
    EXPECT_EQ(window_.windowTitle(), "Untitled[*] \u2014 Orvanta");
    EXPECT_TRUE(window_.isWindowModified());
    ASSERT_TRUE(window_.SaveResultsFileTo(Path("history.dat")));
    EXPECT_EQ(window_.windowTitle(), "history.dat[*] \u2014 Orvanta");
    EXPECT_FALSE(window_.isWindowModified());
    Spin({4});
    EXPECT_TRUE(window_.isWindowModified());
    action("mnu_Undo")->trigger();  // back to what the file holds
    EXPECT_FALSE(window_.isWindowModified());
}

// A picture opened by mistake is no results file: the session stays whole, down to
// its undo history and its unsaved state.
TEST_F(UnsavedSpinsTest, APictureOpenedOverASessionLeavesItWhole) {
    Spin({7, 17, 0});
    const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    EXPECT_FALSE(window_.LoadResultsFileFrom(Write("photo.png", png)));
    EXPECT_NE(TakeMessage().find("Nothing was changed."), std::string::npos);
    EXPECT_EQ(Spins(), (std::vector{7, 17, 0}));
    EXPECT_TRUE(window_.isWindowModified());
    EXPECT_EQ(window_.windowTitle(), "Untitled[*] \u2014 Orvanta");
    ExpectViewsAgreeWithTheHistory();
    action("mnu_Undo")->trigger();
    EXPECT_EQ(Spins(), (std::vector{7, 17}));
}

// A load that stops at a bad field keeps the spins before it, which are not the
// file's history: they count as unsaved.
TEST_F(UnsavedSpinsTest, APartialLoadCountsAsUnsaved) {
    EXPECT_FALSE(window_.LoadResultsFileFrom(Write("bad.dat", "3\r\n38\r\n")));
    EXPECT_NE(TakeMessage().find("The 1 spin before it is kept."), std::string::npos);
    EXPECT_TRUE(window_.isWindowModified());
    EXPECT_FALSE(action("mnu_Undo")->isEnabled());
}

}  // namespace
}  // namespace orvanta
