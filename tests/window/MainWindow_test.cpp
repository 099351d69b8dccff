// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/TabControl.h"

#include "support/DialogScript.h"
#include "support/WindowFixture.h"

namespace orvanta {
namespace {

class MainWindowTest : public testing::WindowTest {
protected:
    QTabWidget* tabs() const { return window_.findChild<QTabWidget*>("SSTab1"); }
    QAction* action(const char* name) const { return window_.findChild<QAction*>(name); }
};

TEST_F(MainWindowTest, CaptionNamesAnUntitledHistory) {
    EXPECT_EQ(window_.windowTitle(), "Untitled[*] \u2014 Orvanta");
    EXPECT_EQ(window_.objectName(), "Form1");
}

// The first size is the layout's; the window can grow from there, and not shrink.
TEST_F(MainWindowTest, ClientAreaStartsAtTheLayoutsSizeBelowTheMenuBar) {
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    const QWidget* client = window_.centralWidget();
    EXPECT_EQ(client->size(), QSize(791, 535));
    EXPECT_GE(client->y(), window_.menuBar()->geometry().bottom());
    EXPECT_EQ(window_.height(), client->geometry().bottom() + 1);
    EXPECT_EQ(window_.minimumSize(), window_.size());
    EXPECT_GT(window_.maximumWidth(), 4000);
}

TEST_F(MainWindowTest, FileMenuHoldsTheDocumentCommandsAndExit) {
    const QMenu* file = window_.findChild<QMenu*>("mnu_File");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), "&File");
    QStringList names;
    QStringList captions;
    for (const QAction* item : file->actions()) {
        names << item->objectName();
        captions << item->text();
    }
    EXPECT_EQ(names, QStringList({"mnu_New", "mnu_Open", "mnu_Recent", "mnu_Save", "mnu_SaveAs", "mnu_sep1",
                                  "mnu_Exit"}));
    EXPECT_EQ(captions,
              QStringList({"&New", "&Open...", "Open &Recent", "&Save", "Save &As...", "", "E&xit"}));
    EXPECT_EQ(window_.menuBar()->actions().front()->menu(), file);
}

TEST_F(MainWindowTest, EditMenuFollowsTheFileMenuWithUndoAndRedo) {
    QStringList menus;
    for (const QAction* menu : window_.menuBar()->actions()) {
        menus << menu->menu()->objectName();
    }
    EXPECT_EQ(menus.mid(0, 2), QStringList({"mnu_File", "mnu_Edit"}));
    const QMenu* edit = window_.findChild<QMenu*>("mnu_Edit");
    EXPECT_EQ(edit->title(), "&Edit");
    EXPECT_EQ(edit->actions().value(0), action("mnu_Undo"));
    EXPECT_EQ(edit->actions().value(1), action("mnu_Redo"));
    EXPECT_FALSE(action("mnu_Undo")->isEnabled());
    window_.AddResult(17);
    EXPECT_TRUE(action("mnu_Undo")->isEnabled());
    EXPECT_EQ(action("mnu_Undo")->text(), "&Undo Spin 17");
}

TEST_F(MainWindowTest, TwelvePagesInOneRowWithMainShown) {
    const QTabWidget* tab = tabs();
    ASSERT_NE(tab, nullptr);
    const QStringList expected = {
        "Main", "Statistics Summary", "Color",      "High/Low", "Even/Odd", "n 12", "Row", "Column",
        "n 6",  "Wheel Sector",       "Calculator", "Help"};
    ASSERT_EQ(tab->count(), expected.size());
    for (int i = 0; i < tab->count(); ++i) {
        EXPECT_EQ(tab->tabText(i), expected[i]);
    }
    EXPECT_EQ(tab->currentIndex(), 0);
    EXPECT_EQ(tab->geometry(), QRect(0, 0, 790, 534));

    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    const QTabBar* strip = tab->tabBar();
    for (int i = 0; i < tab->count(); ++i) {
        const QRect r = strip->tabRect(i);
        EXPECT_EQ(r.top(), strip->tabRect(0).top()) << expected[i].toStdString();
        EXPECT_LE(strip->mapTo(tab, r.topRight()).x(), tab->width()) << expected[i].toStdString();
    }
    // Like a tabbed dialog, the tabs fill their row.
    EXPECT_EQ(strip->mapTo(tab, strip->tabRect(tab->count() - 1).topRight()).x(), tab->width() - 1);
}

// Controls are placed in twips from the tab control's corner; that only works if
// every page starts exactly the strip's height down.
TEST_F(MainWindowTest, PagesStartUnderTheStrip) {
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    for (int i = 0; i < kTabPageCount; ++i) {
        tabs()->setCurrentIndex(i);
        const QWidget* page = window_.page(static_cast<TabPage>(i));
        EXPECT_EQ(page->mapTo(tabs(), QPoint(0, 0)), QPoint(0, TabControl::kStripHeight)) << i;
        EXPECT_EQ(page->width(), tabs()->width()) << i;
    }

    auto* probe = new QWidget(window_.page(TabPage::Main));
    TabControl::Place(probe, 240, 720, 4575, 5055);
    EXPECT_EQ(probe->mapTo(tabs(), QPoint(0, 0)), QPoint(16, 48));
    EXPECT_EQ(probe->size(), QSize(305, 337));
}

TEST_F(MainWindowTest, AddResultRecordsThroughTheModel) {
    window_.AddResult(7);
    window_.AddResult(36);
    window_.AddResult(37);
    EXPECT_EQ(window_.model().SpinCount(), 2);
    EXPECT_EQ(window_.model().SlotText(1), "7 ");
    EXPECT_EQ(window_.model().Tallies().RedCount, 2);
}

// Cancelling the open or save dialog ends the command with nothing changed.
// Both dialogs start with the results-file pattern in their name box, so the list shows
// the results files of the folder.
TEST_F(MainWindowTest, CancellingAFileDialogChangesNothing) {
    window_.show();
    window_.AddResult(5);
    for (const char* command : {"mnu_Save", "mnu_Open"}) {
        QString title;
        std::vector<testing::DialogScript::Step> steps{[&title](QWidget* shown) {
            auto* dialog = qobject_cast<QFileDialog*>(shown);
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            const auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            EXPECT_EQ(name->text(), "*.dat");
            EXPECT_EQ(dialog->nameFilters(), QStringList({"Results files (*.dat)", "All files (*)"}));
            EXPECT_EQ(dialog->selectedNameFilter(), "Results files (*.dat)");
            EXPECT_EQ(dialog->defaultSuffix(), "dat");
            dialog->reject();
        }};
        // The spin is not saved: Open asks first.
        if (command == std::string("mnu_Open")) {
            steps.insert(steps.begin(),
                         testing::DialogScript::Click("unsavedSpinsQuestion", QMessageBox::Discard));
        }
        {
            const testing::DialogScript script(steps);
            action(command)->trigger();
        }
        EXPECT_FALSE(title.isEmpty()) << command;
        EXPECT_EQ(window_.model().SpinCount(), 1);
        EXPECT_EQ(window_.findChild<QMessageBox*>(), nullptr);
    }
}

// With nothing unsaved, Exit asks nothing.
TEST_F(MainWindowTest, ExitEndsTheEventLoopAtOnce) {
    window_.show();
    QTimer::singleShot(0, &window_, [this] { action("mnu_Exit")->trigger(); });
    // A safety net so a broken Exit fails the test instead of hanging it.
    QTimer::singleShot(5000, &window_, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace orvanta
