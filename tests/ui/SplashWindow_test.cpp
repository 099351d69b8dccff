// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SplashWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>

#include "ui/HelpPage.h"
#include "ui/MainWindow.h"

namespace orvanta {
namespace {

// The main window appears only after the splash has shown for 1.5 s; by then the
// splash is hidden, and it is gone for good.
TEST(SplashWindow, HandsOverToTheMainWindowAfterItsDelay) {
    std::unique_ptr<MainWindow> main;
    bool splashVisibleWhenLoaded = false;
    QPointer<SplashWindow> splash;
    splash = new SplashWindow([&] {
        splashVisibleWhenLoaded = splash->isVisible();
        main = std::make_unique<MainWindow>();
        return main.get();
    });
    QElapsedTimer clock;
    splash->show();
    clock.start();
    EXPECT_EQ(splash->findChild<QLabel*>("Label1")->text(), "Version 1.2");
    EXPECT_EQ(splash->size(), QSize(429, 227));

    ASSERT_TRUE(QTest::qWaitFor([&] { return main != nullptr && main->isVisible(); }, 5000));
    EXPECT_GE(clock.elapsed(), SplashWindow::kDelayMilliseconds);
    EXPECT_TRUE(splashVisibleWhenLoaded);
    EXPECT_TRUE(splash.isNull() || !splash->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 1000));
    QTest::qWait(100);
    EXPECT_TRUE(main->isVisible());
}

TEST(HelpPage, SaysWhereItLookedWhenTheGuideIsMissing) {
    QTemporaryDir folder;
    QTextBrowser browser;
    const QStringList places = {folder.filePath("help.rtf"), folder.filePath("share/orvanta/help.rtf")};
    EXPECT_FALSE(LoadHelpPage(&browser, places));
    EXPECT_TRUE(browser.toPlainText().contains("not found"));
    EXPECT_TRUE(browser.toPlainText().contains(folder.filePath("help.rtf")));
}

TEST(HelpPage, TakesTheFirstGuideFound) {
    QTemporaryDir folder;
    QFile second(folder.filePath("second.rtf"));
    ASSERT_TRUE(second.open(QIODevice::WriteOnly));
    second.write("{\\rtf1\\ansi {\\b Second} guide\\par}");
    second.close();
    QTextBrowser browser;
    EXPECT_TRUE(LoadHelpPage(&browser, {folder.filePath("first.rtf"), second.fileName()}));
    EXPECT_TRUE(browser.toPlainText().contains("Second guide"));
}

}  // namespace
}  // namespace orvanta
