// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "ui/MainWindow.h"

#include "support/WindowFixture.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace orvanta {
namespace {

QString SpokenName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// What a user tabs to: the control itself, or the control that a part of it (the line
// edit of the combo box) belongs to.
QString ControlName(QWidget* widget) {
    while (widget != nullptr && (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_"))) {
        widget = widget->parentWidget();
    }
    return widget != nullptr ? widget->objectName() : QString();
}

class DesktopTest : public testing::WindowTest {};

struct ShortcutCase {
    const char* action;
    const char* caption;
    QKeySequence::StandardKey key;
    QKeyCombination common;  // the key most editors take as well; {} for none
};

class MenuShortcutTest : public DesktopTest, public ::testing::WithParamInterface<ShortcutCase> {};

TEST_P(MenuShortcutTest, StandardShortcutSitsBesideTheMnemonic) {
    const ShortcutCase& c = GetParam();
    const QAction* action = find<QAction>(c.action);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), c.caption);
    // Quit has no binding in the Windows keyboard scheme, which the offscreen platform
    // uses; on X11, KDE and GNOME it is Ctrl+Q.
    if (c.key != QKeySequence::Quit && c.common == QKeyCombination()) {
        EXPECT_FALSE(QKeySequence::keyBindings(c.key).isEmpty());
    }
    EXPECT_EQ(action->shortcuts().mid(0, QKeySequence::keyBindings(c.key).size()),
              QKeySequence::keyBindings(c.key));
    if (c.common != QKeyCombination()) {
        EXPECT_TRUE(action->shortcuts().contains(QKeySequence(c.common)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Menus, MenuShortcutTest,
    ::testing::Values(ShortcutCase{"mnu_New", "&New", QKeySequence::New, Qt::CTRL | Qt::Key_N},
                      ShortcutCase{"mnu_Open", "&Open...", QKeySequence::Open, {}},
                      ShortcutCase{"mnu_Save", "&Save", QKeySequence::Save, {}},
                      ShortcutCase{"mnu_SaveAs", "Save &As...", QKeySequence::SaveAs,
                                   Qt::CTRL | Qt::SHIFT | Qt::Key_S},
                      ShortcutCase{"mnu_Exit", "E&xit", QKeySequence::Quit, {}},
                      ShortcutCase{"mnu_Undo", "&Undo", QKeySequence::Undo, {}},
                      ShortcutCase{"mnu_Redo", "&Redo", QKeySequence::Redo, Qt::CTRL | Qt::Key_Y}),
    [](const auto& info) { return std::string(info.param.action); });

// The shortcuts reach the commands from the keyboard, wherever the focus is.
TEST_F(DesktopTest, OpenAndSaveShortcutsOpenTheirDialogs) {
    ShowActive();
    for (const auto& [key, mode] : {std::pair(QKeySequence::Open, QFileDialog::AcceptOpen),
                                    std::pair(QKeySequence::Save, QFileDialog::AcceptSave)}) {
        QApplication::setActiveWindow(&window_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        find("FlexGrid1")->setFocus();
        std::optional<QFileDialog::AcceptMode> shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                shown = dialog->acceptMode();
                dialog->reject();
            }
        });
        QTest::keySequence(&window_, QKeySequence::keyBindings(key).constFirst());
        ASSERT_TRUE(shown.has_value()) << "no dialog for " << int(key);
        EXPECT_EQ(*shown, mode);
    }
    EXPECT_EQ(window_.model().SpinCount(), 0);
}

struct NameCase {
    const char* control;
    const char* spoken;
};

class AccessibleNameTest : public DesktopTest, public ::testing::WithParamInterface<NameCase> {};

// The name given to each control. (A screen reader hears most of them as the control's
// name; a combo box on Linux speaks its text and takes this name through relations.)
TEST_P(AccessibleNameTest, ControlIsNamedForItsRole) {
    const NameCase& c = GetParam();
    EXPECT_EQ(find(c.control)->accessibleName(), c.spoken);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, AccessibleNameTest,
    ::testing::Values(NameCase{"TableNum_0", "Number 0"}, NameCase{"TableNum_17", "Number 17"},
                      NameCase{"TableNum_36", "Number 36"}, NameCase{"imgN12", "Choose n 12"},
                      NameCase{"ChartColor_0", "Color chart"},
                      NameCase{"ChartSector_1", "Wheel Sector chart"}, NameCase{"Chartn6_0", "n 6 chart"},
                      NameCase{"FlexGrid1", "Results"}, NameCase{"SearchGrid1", "Followers"},
                      NameCase{"SearchGrid2", "Recursive followers"}, NameCase{"GridVars", "Variables"},
                      NameCase{"ScrollMain", "Scroll results"},
                      NameCase{"cboPastResults", "Analysis category"}, NameCase{"sldLength", "Run length"},
                      NameCase{"sldDepth", "Recursion depth"}, NameCase{"cmdPastResultsCalc", "Calculate"},
                      NameCase{"txtExpression", "Expression"}, NameCase{"lstCalcOut", "Output"},
                      NameCase{"txtMessages", "Messages"}, NameCase{"RichText1", "Help"},
                      NameCase{"lblTableName_0", "Table name"}),
    [](const auto& info) { return std::string(info.param.control); });

// Not one control the user can reach or hear is left without a name.
TEST_F(DesktopTest, EveryControlHasAnAccessibleName) {
    int controls = 0;
    for (QWidget* widget : window_.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith("qt_") || name == "clientArea") {
            continue;
        }
        ++controls;
        EXPECT_FALSE(SpokenName(widget).trimmed().isEmpty()) << name.toStdString();
    }
    // 37 numbers, 7 hot spots, 16 charts, 9 captions and the rest of the pages' controls.
    EXPECT_GE(controls, 37 + 7 + 16 + 9 + 20);
    for (int i = 0; i < kTabPageCount; ++i) {
        EXPECT_FALSE(SpokenName(find<QTabWidget>("SSTab1")->widget(i)).isEmpty()) << i;
    }
}

// Every focusable control, in the order of the layout's tab indexes.
const QStringList kLayoutTabOrder = {
    "cmdInsertResult", "cmdRemoveItem",  "sldLength",      "sldDepth",       "cmdPastResultsCalc",
    "cboPastResults",  "sldTheme",       "ChartColor_0",   "ChartHighLow_0", "ChartEvenOdd_0",
    "ChartRow_0",      "ChartColumn_0",  "Chartn6_0",      "Chartn12_0",     "ChartSector_0",
    "ChartColor_1",    "ChartHighLow_1", "ChartEvenOdd_1", "Chartn12_1",     "ChartRow_1",
    "ChartColumn_1",   "Chartn6_1",      "ChartSector_1",  "FlexGrid1",      "SearchGrid1",
    "SearchGrid2",     "ScrollMain",     "ScrollS1",       "ScrollS2",       "cmdRemoveVar",
    "txtExpression",   "GridVars",       "CMDExecute",     "lstCalcOut",     "txtMessages",
    "RichText1",
};

TEST_F(DesktopTest, FocusChainFollowsTheLayoutsTabOrder) {
    QStringList chain;
    QWidget* start = find("cmdInsertResult");
    QWidget* widget = start;
    do {
        const QString name = widget->objectName();
        if (kLayoutTabOrder.contains(name) && !chain.contains(name) &&
            (widget->focusPolicy() & Qt::TabFocus) != 0) {
            chain << name;
        }
        widget = widget->nextInFocusChain();
    } while (widget != start);

    QStringList expected;
    for (const QString& name : kLayoutTabOrder) {
        if ((find(name)->focusPolicy() & Qt::TabFocus) != 0) {
            expected << name;
        }
    }
    EXPECT_GE(expected.size(), 30);
    EXPECT_EQ(chain, expected);
}

// On the Main page the Tab key walks the visible controls in the layout's order and
// comes back round through the tab strip.
TEST_F(DesktopTest, TabKeyWalksTheMainPageInOrder) {
    ShowActive();
    find("cmdInsertResult")->setFocus();
    QStringList visited{ControlName(QApplication::focusWidget())};
    for (int i = 0; i < 20 && (visited.size() < 2 || visited.constLast() != visited.constFirst()); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << ControlName(QApplication::focusWidget());
    }
    QStringList expected{"cmdInsertResult", "cmdRemoveItem",      "sldLength",
                         "sldDepth",        "cmdPastResultsCalc", "cboPastResults",
                         "FlexGrid1",       "SearchGrid1",        "SearchGrid2"};
    for (const char* scroll : {"ScrollMain", "ScrollS1", "ScrollS2"}) {
        if ((find(scroll)->focusPolicy() & Qt::TabFocus) != 0) {
            expected << scroll;
        }
    }
    expected << "txtMessages"
             << "SSTab1"
             << "cmdInsertResult";
    EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace orvanta
