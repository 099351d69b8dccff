// SPDX-License-Identifier: GPL-3.0-or-later

// The history as a desktop document: Save writes the current file at once, Save As and
// a history with no file ask for a name, New starts over after the question, Open
// Recent lists the last files, and the theme, window size, last folder and recent files
// outlive the window, in a real settings file of the test's own.
#include "ui/files/DocumentCommands.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui/MainWindow.h"
#include "ui/Settings.h"

#include "support/DialogScript.h"
#include "support/WindowFixture.h"

namespace orvanta {
namespace {

using testing::DialogScript;

class DocumentCommandsTest : public testing::WindowWithFilesTest {
protected:
    void Trigger(const char* name) { find<QAction>(name)->trigger(); }
    QString Title() const { return window_.windowTitle(); }
    // A file dialog that must start in folder with name offered, then takes path.
    static DialogScript::Step Expect(const QString& folder, const QString& name, const QString& path) {
        return [=](QWidget* shown) {
            auto* dialog = qobject_cast<QFileDialog*>(shown);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->directory().absolutePath(), QDir(folder).absolutePath());
            EXPECT_EQ(dialog->selectedFiles().value(0), QDir(folder).filePath(name));
            // Typed as a user types over the offered name, the focus in the name box.
            QApplication::setActiveWindow(dialog);
            auto* typed = dialog->findChild<QLineEdit*>("fileNameEdit");
            typed->setFocus();
            typed->selectAll();
            QTest::keyClicks(typed, QFileInfo(path).fileName());
            QTest::keyClick(typed, Qt::Key_Return);
        };
    }
};

// Opened or saved, the file is the history's own: Save writes it without a dialog.
TEST_F(DocumentCommandsTest, SaveWritesTheCurrentFileAtOnce) {
    ASSERT_TRUE(window_.LoadResultsFileFrom(Write("opened.dat", "1 \r\n2 \r\n")));
    Spin({3});
    {
        const DialogScript none({});
        Trigger("mnu_Save");
    }
    EXPECT_EQ(testing::ReadFile(Path("opened.dat")), QByteArray("1 \r\n2 \r\n3 \r\n"));
    EXPECT_EQ(Title(), "opened.dat[*] \u2014 Orvanta");
    EXPECT_FALSE(window_.isWindowModified());

    {
        const DialogScript script({Expect(folder_.path(), "opened.dat", Path("copy.dat"))});
        Trigger("mnu_SaveAs");
    }
    Spin({4});
    {
        const DialogScript none({});
        Trigger("mnu_Save");
    }
    EXPECT_EQ(testing::ReadFile(Path("copy.dat")), QByteArray("1 \r\n2 \r\n3 \r\n4 \r\n"));
    EXPECT_EQ(testing::ReadFile(Path("opened.dat")), QByteArray("1 \r\n2 \r\n3 \r\n"));
    EXPECT_EQ(Title(), "copy.dat[*] \u2014 Orvanta");
}

// Spins kept from a file whose load stopped at a bad field are not all of it: Save asks
// for a name rather than cut the file off there.
TEST_F(DocumentCommandsTest, ALoadCutShortIsNeverSavedOverItsFile) {
    const QByteArray bytes("1 \r\n2 \r\nxx\r\n3 \r\n");
    window_.LoadResultsFileFrom(Write("long.dat", bytes));
    TakeMessage();
    {
        const DialogScript script({DialogScript::Choose({})});
        Trigger("mnu_Save");
    }
    EXPECT_EQ(testing::ReadFile(Path("long.dat")), bytes);
}

TEST_F(DocumentCommandsTest, NewStartsAnEmptyUntitledHistoryAfterTheQuestion) {
    ASSERT_TRUE(window_.LoadResultsFileFrom(Write("old.dat", "1 \r\n")));
    Spin({2, 3});
    {
        const DialogScript script({[](QWidget* shown) {
            auto* box = qobject_cast<QMessageBox*>(shown);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), "Save the 2 unsaved spins before starting a new history?");
            QTest::mouseClick(box->button(QMessageBox::Discard), Qt::LeftButton);
        }});
        Trigger("mnu_New");
    }
    EXPECT_TRUE(Spins().empty());
    EXPECT_EQ(Title(), "Untitled[*] \u2014 Orvanta");
    EXPECT_FALSE(window_.isWindowModified());
    EXPECT_FALSE(find<QAction>("mnu_Undo")->isEnabled());
    ExpectViewsAgreeWithTheHistory();
    {
        const DialogScript none({});  // nothing to lose, nothing asked
        Trigger("mnu_New");
    }
}

TEST_F(DocumentCommandsTest, OpenRecentListsTheLastEightFilesThatStillExist) {
    for (int i = 1; i <= 10; ++i) {
        ASSERT_TRUE(window_.SaveResultsFileTo(Path(QStringLiteral("f%1.dat").arg(i))));
    }
    QFile::remove(Path("f9.dat"));
    auto* recent = find<QMenu>("mnu_Recent");
    emit recent->aboutToShow();
    QStringList shown;
    for (const QAction* entry : recent->actions()) {
        shown << QFileInfo(entry->data().toString()).fileName();
    }
    EXPECT_EQ(shown, QStringList({"f10.dat", "f8.dat", "f7.dat", "f6.dat", "f5.dat", "f4.dat", "f3.dat"}));
    EXPECT_TRUE(recent->actions().value(0)->text().startsWith("&1 "));

    Spin({7});
    {
        const DialogScript script({DialogScript::Click("unsavedSpinsQuestion", QMessageBox::Discard)});
        recent->actions().value(2)->trigger();
    }
    EXPECT_EQ(Title(), "f7.dat[*] \u2014 Orvanta");
    EXPECT_TRUE(Spins().empty());
}

// What one run chose, the next finds: theme, size, folder, recent files and the Wheel
// Bias window's choices.
TEST_F(DocumentCommandsTest, SettingsOutliveTheWindow) {
    ShowActive();
    QTest::mouseClick(find("lblTableName_0"), Qt::LeftButton);  // theme 2 -> 3
    window_.resize(1000, 700);
    Trigger("mnu_WheelBias");
    find<QComboBox>("cboBiasWindow")->setCurrentIndex(2);
    find<QComboBox>("cboBiasHalf")->setCurrentIndex(1);
    {
        const DialogScript script({DialogScript::Choose(Path("kept.dat"))});
        Trigger("mnu_SaveAs");
    }
    ASSERT_TRUE(window_.close());

    MainWindow next;
    next.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&next));
    EXPECT_EQ(next.findChild<QSlider*>("sldTheme")->value(), 3);
    EXPECT_EQ(next.findChild<QLabel*>("lblTableName_0")->text(), "Table: Flames");
    EXPECT_EQ(next.size(), QSize(1000, 700));
    EXPECT_EQ(next.documents().recentFiles(), QStringList({QFileInfo(Path("kept.dat")).absoluteFilePath()}));
    EXPECT_EQ(ResultsFileDialog::StartFolder(), QDir(folder_.path()).absolutePath());
    next.findChild<QAction*>("mnu_WheelBias")->trigger();
    EXPECT_EQ(next.findChild<QComboBox*>("cboBiasWindow")->currentIndex(), 2);
    EXPECT_EQ(next.findChild<QComboBox*>("cboBiasHalf")->currentIndex(), 1);
}

}  // namespace
}  // namespace orvanta
