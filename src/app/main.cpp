// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include <memory>

#include "ui/MainWindow.h"
#include "ui/SplashWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvanta");
    QApplication::setApplicationVersion("1.2");
    QApplication::setDesktopFileName("orvanta");

    std::unique_ptr<orvanta::MainWindow> mainWindow;
    auto* splash = new orvanta::SplashWindow([&mainWindow] {
        mainWindow = std::make_unique<orvanta::MainWindow>();
        return mainWindow.get();
    });
    splash->show();
    return QApplication::exec();
}
