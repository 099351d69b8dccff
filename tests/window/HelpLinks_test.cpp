// SPDX-License-Identifier: GPL-3.0-or-later

// The Help tab of the real window, with the help document that comes with the program.
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "ui/MainWindow.h"

#include "support/WindowFixture.h"

namespace orvanta {
namespace {

class HelpLinksTest : public testing::WindowTest {};

// A click on an entry of the contents brings its section's heading to the top of the
// page, and the page stays the guide.
TEST_F(HelpLinksTest, AContentsEntryScrollsToItsSection) {
    find<QTabWidget>("SSTab1")->setCurrentWidget(window_.page(TabPage::Help));
    ShowActive();
    auto* help = find<QTextBrowser>("RichText1");
    const QString section = "Saving and opening results files";
    // The contents come first, the heading further down.
    const QTextCursor entry = help->document()->find(section);
    const QTextCursor heading = help->document()->find(section, entry);
    ASSERT_FALSE(entry.isNull());
    ASSERT_FALSE(heading.isNull());
    ASSERT_EQ(help->verticalScrollBar()->value(), 0);
    ASSERT_GT(help->cursorRect(heading).top(), help->viewport()->height())
        << "the heading starts out of sight";

    QTextCursor inEntry(help->document());
    inEntry.setPosition(entry.selectionStart() + 2);
    QTest::mouseClick(help->viewport(), Qt::LeftButton, {}, help->cursorRect(inEntry).center());

    EXPECT_GT(help->verticalScrollBar()->value(), 0);
    EXPECT_NEAR(help->cursorRect(heading).top(), 0, 3) << "the heading's line is the first one shown";
    EXPECT_TRUE(help->toPlainText().startsWith("Orvanta"));
}

}  // namespace
}  // namespace orvanta
