// SPDX-License-Identifier: GPL-3.0-or-later

// A running program that records spins, for the test that kills it: the real main
// window records each spin given, "-" removes the newest, "paste:COUNT" pastes COUNT
// spins (0, 1, ... 36, 0, ...), then it says "recorded" and waits to be killed.
// "load FILE N" instead opens FILE, clicks N on the table while the file is read, says
// "clicked" and stays in the middle of the load until it is killed.
// recording-helper APPLICATION-NAME SPIN...
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

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
        } else if (std::strncmp(argv[i], "paste:", 6) == 0) {
            std::vector<int> spins(static_cast<std::size_t>(std::atoi(argv[i] + 6)));
            for (std::size_t k = 0; k < spins.size(); ++k) {
                spins[k] = static_cast<int>(k % 37);
            }
            window.RecordSpins(spins);
        } else if (std::strcmp(argv[i], "load") == 0 && i + 2 < argc) {
            const int clicked = std::atoi(argv[i + 2]);
            QTimer::singleShot(0, &window, [&window, clicked] {
                window.AddResult(clicked);  // what a click on the table does
                std::puts("clicked");
                std::fflush(stdout);
                for (;;) {
                    ::pause();
                }
            });
            window.LoadResultsFileFrom(QString::fromLocal8Bit(argv[i + 1]));
            return 1;  // never reached: the kill comes first
        } else {
            window.AddResult(std::atoi(argv[i]));
        }
    }
    std::puts("recorded");
    std::fflush(stdout);
    return QApplication::exec();
}
