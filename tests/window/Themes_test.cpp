// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "ui/MainWindow.h"
#include "ui/Pictures.h"

#include "support/WindowFixture.h"

namespace orvanta {
namespace {

class ThemesTest : public testing::WindowTest {
protected:
    QLabel* label(int i) const { return window_.findChild<QLabel*>(QString("lblTableName_%1").arg(i)); }
    QSlider* slider() const { return window_.findChild<QSlider*>("sldTheme"); }
    std::string Caption() const { return label(0)->text().toStdString(); }
    static bool Same(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }
    bool Shows(int table, int background) const {
        return Same(window_.findChild<QLabel*>("imgTable")->pixmap(), TablePicture(table)) &&
               Same(window_.findChild<QLabel*>("imgTheme")->pixmap(), BackgroundPicture(background));
    }
    void ClickCaption(Qt::MouseButton button, int labelIndex = 0) {
        QTest::mouseClick(label(labelIndex), button);
    }
};

TEST_F(ThemesTest, StartsWithTheStyleTheme) {
    EXPECT_EQ(Caption(), "Table: Style");
    EXPECT_TRUE(Shows(2, 2));
    EXPECT_EQ(slider()->value(), 2);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(label(i)->text(), label(0)->text()) << i;
    }
}

TEST_F(ThemesTest, LeftClicksCycleThroughTheSelectableThemes) {
    struct Step {
        const char* caption;
        int picture;
    };
    for (const Step step : {Step{"Table: Flames", 3}, Step{"Table: Blacklight Night", 4},
                            Step{"Table: Style", 2}, Step{"Table: Flames", 3}}) {
        ClickCaption(Qt::LeftButton);
        EXPECT_EQ(Caption(), step.caption);
        EXPECT_TRUE(Shows(step.picture, step.picture)) << step.caption;
    }
}

TEST_F(ThemesTest, RightClicksStepBackAndStopAtTheFirstTheme) {
    slider()->setValue(4);
    ClickCaption(Qt::RightButton);
    EXPECT_EQ(Caption(), "Table: Flames");
    ClickCaption(Qt::RightButton);
    EXPECT_EQ(Caption(), "Table: Style");
    // Theme 1 turns into theme 2 at once, so the default table never shows.
    ClickCaption(Qt::RightButton);
    EXPECT_EQ(Caption(), "Table: Style");
    EXPECT_EQ(slider()->value(), 2);
    EXPECT_TRUE(Shows(2, 2));
}

TEST_F(ThemesTest, MiddleClickChangesNothing) {
    ClickCaption(Qt::MiddleButton);
    EXPECT_EQ(Caption(), "Table: Style");
}

TEST_F(ThemesTest, EveryOutlineLabelActsAsTheCaption) {
    for (int i = 1; i <= 8; ++i) {
        const int before = slider()->value();
        ClickCaption(Qt::LeftButton, i);
        EXPECT_EQ(slider()->value(), before == 4 ? 2 : before + 1) << i;
    }
}

TEST_F(ThemesTest, OutlineLabelsSurroundTheCaptionByOnePixel) {
    const QRect caption = label(0)->geometry();
    const QPoint offsets[] = {{-1, -1}, {1, 1}, {-1, 1}, {1, -1}, {0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(label(i)->geometry(), caption.translated(offsets[i - 1])) << i;
        EXPECT_TRUE(label(i)->font().bold()) << i;
        EXPECT_EQ(label(i)->font().family(), label(0)->font().family());
        EXPECT_EQ(label(i)->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
    // The black caption lies above its white copies.
    window_.show();
    QWidget* page = window_.page(TabPage::Main);
    EXPECT_EQ(page->childAt(caption.topLeft() + QPoint(4, 4)), label(0));
}

TEST_F(ThemesTest, HelpPageShowsTheGuide) {
    const auto* help = window_.findChild<QTextBrowser*>("RichText1");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isReadOnly());
    EXPECT_TRUE(help->toPlainText().contains("Orvanta"));
    EXPECT_FALSE(help->toPlainText().contains("was not found"));
    EXPECT_FALSE(help->toPlainText().contains("\\rtf"));
}

}  // namespace
}  // namespace orvanta
