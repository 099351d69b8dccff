// SPDX-License-Identifier: GPL-3.0-or-later

// Spins entered without the mouse: digits and Enter on the Main tab, and Edit > Paste
// Spins from the clipboard, each one step of Edit > Undo.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/MainWindow.h"

#include "support/WindowFixture.h"

namespace orvanta {
namespace {

class KeyboardEntryTest : public testing::WindowTest {
protected:
    void SetUp() override {
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }
    // Keys typed while the control named target has the focus.
    void Type(const char* target, const QString& keys) {
        QWidget* control = find(target);
        control->setFocus();
        for (const QChar key : keys) {
            if (key == '\r') {
                QTest::keyClick(control, Qt::Key_Return);
            } else if (key == '\b') {
                QTest::keyClick(control, Qt::Key_Backspace);
            } else if (key == '\x1b') {
                QTest::keyClick(control, Qt::Key_Escape);
            } else {
                QTest::keyClick(control, key.toLatin1());
            }
        }
    }
    std::string Prompt() const { return testing::Prompt(window_); }
    std::string Status() const { return testing::LatestMessage(window_); }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        find<QAction>("mnu_PasteSpins")->trigger();
    }
};

TEST_F(KeyboardEntryTest, DigitsAndEnterRecordASpinAsOneStep) {
    Type("cmdPastResultsCalc", "1");
    EXPECT_EQ(Prompt(), "Typed: 1 (Enter records it, Esc cancels)");
    Type("cmdPastResultsCalc", "7\r");
    EXPECT_EQ(Spins(), (std::vector{17}));
    EXPECT_EQ(Prompt(), "");
    Type("FlexGrid1", "0\r");
    EXPECT_EQ(Spins(), (std::vector{17, 0}));
    find<QAction>("mnu_Undo")->trigger();
    EXPECT_EQ(Spins(), (std::vector{17}));
}

TEST_F(KeyboardEntryTest, BackspaceEscapeAndNumbersBeyondTheWheel) {
    // A refused number drops every digit, so the Enter meant for it records nothing.
    Type("cmdPastResultsCalc", "37");
    EXPECT_EQ(Status(), "37 is not a wheel number: type 0 to 36.");
    EXPECT_EQ(Prompt(), "");
    Type("FlexGrid1", "\r5\b\r4\x1b\r");
    EXPECT_TRUE(Spins().empty());
    Type("cmdPastResultsCalc", "3\b6\r");
    EXPECT_EQ(Spins(), (std::vector{6}));
    // A click on the table drops digits typed before it.
    Type("cmdPastResultsCalc", "2");
    QTest::mouseClick(find("TableNum_9"), Qt::LeftButton);
    EXPECT_EQ(Prompt(), "");
    Type("cmdPastResultsCalc", "\r");
    EXPECT_EQ(Spins(), (std::vector{6, 9}));
    // No wheel number has a leading zero.
    Type("cmdPastResultsCalc", "07");
    EXPECT_EQ(Status(), "07 is not a wheel number: type 0 to 36.");
}

TEST_F(KeyboardEntryTest, BoxesThatTakeTextAndOtherPagesKeepTheirKeys) {
    auto* category = find<QComboBox>("cboPastResults");
    category->clearEditText();
    Type("cboPastResults", "12\r");
    EXPECT_EQ(category->currentText(), "12");
    find<QTabWidget>("SSTab1")->setCurrentIndex(static_cast<int>(TabPage::Calculator));
    Type("txtExpression", "12\r");
    EXPECT_TRUE(Spins().empty());
}

TEST_F(KeyboardEntryTest, PasteTakesEverySpinAsOneStepOrNone) {
    Spin({5});
    Paste("1 38 2");
    EXPECT_EQ(Spins(), (std::vector{5}));
    EXPECT_EQ(Status(), "Nothing was pasted: entry 2, \"38\", is not a wheel number (0 to 36).");
    Paste("7, 17\r\n0\t36;3\n");
    EXPECT_EQ(Spins(), (std::vector{5, 7, 17, 0, 36, 3}));
    EXPECT_EQ(find<QAction>("mnu_Undo")->text(), "&Undo Paste 5 spins");
    find<QAction>("mnu_Undo")->trigger();
    EXPECT_EQ(Spins(), (std::vector{5}));
}

}  // namespace
}  // namespace orvanta
