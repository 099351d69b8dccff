// SPDX-License-Identifier: GPL-3.0-or-later

// A running program that records spins, for the test that kills it: the real main
// window records each spin given, "-" removes the newest, then it says "recorded"
// and waits to be killed. recording-helper APPLICATION-NAME SPIN...
#include <QApplication>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/MainWindow.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: recording-helper APPLICATION-NAME SPIN...\n");
        return 2;
    }
    // The journal folder follows the application's name: the test's own.
    QApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
    orvanta::MainWindow window;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "-") == 0) {
            window.findChild<QPushButton*>("cmdRemoveItem")->click();
        } else {
            window.AddResult(std::atoi(argv[i]));
        }
    }
    std::puts("recorded");
    std::fflush(stdout);
    return QApplication::exec();
}
