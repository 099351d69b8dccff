// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include "ui/MainWindow.h"

#include "support/WindowFixture.h"

// A 1280 x 900 screen at twice the density is 640 x 450 logical pixels, smaller than the
// window. Both have to be in place before the application object exists.
static const bool kSmallDenseScreen = [] {
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ORVANTA_SCREENS_DIR "/small.json");
    return true;
}();

namespace orvanta {
namespace {

class SmallScreenTest : public testing::WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(kSmallDenseScreen);
        ASSERT_EQ(window_.screen()->availableGeometry(), QRect(0, 0, 640, 450));
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    // A user scrolls the control into view and clicks it where the screen shows it.
    void ScrollToAndClick(const QString& name) {
        auto* pages = find<QScrollArea>("pageScroller");
        QWidget* control = find(name);
        const QPoint middle = control->mapTo(pages->widget(), control->rect().center());
        pages->ensureVisible(middle.x(), middle.y(), control->width() / 2, control->height() / 2);
        const QPoint centre = control->mapTo(&window_, control->rect().center());
        ASSERT_TRUE(window_.rect().contains(centre)) << name.toStdString();
        ASSERT_TRUE(pages->viewport()->rect().contains(pages->viewport()->mapFrom(&window_, centre)));
        QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, centre);
    }
};

TEST_F(SmallScreenTest, WindowOpensInsideTheScreenWithTheMenuInReach) {
    const QRect available = window_.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window_.frameGeometry()));
    EXPECT_TRUE(available.contains(window_.menuBar()->mapToGlobal(window_.menuBar()->rect().center())));
}

// The pages keep their layout inside a scroll area: the controls at the far corners
// can be scrolled to and used.
TEST_F(SmallScreenTest, EveryControlCanBeScrolledToAndUsed) {
    ScrollToAndClick("TableNum_36");
    ScrollToAndClick("TableNum_0");
    EXPECT_EQ(window_.model().SpinCount(), 2);
    EXPECT_EQ(window_.model().SlotText(1), "36");
    ScrollToAndClick("txtMessages");
    EXPECT_TRUE(find("txtMessages")->hasFocus());
    EXPECT_EQ(find("SSTab1")->size(), QSize(790, 534));
}

}  // namespace
}  // namespace orvanta
