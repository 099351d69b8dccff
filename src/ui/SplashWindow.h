// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace orvanta {

class MainWindow;

// The splash window: the picture and the version for 1.5 seconds, then it loads the
// main window, hides, shows the main window and deletes itself.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDelayMilliseconds = 1500;

    // loadMainWindow builds the main window (its whole start-up) and keeps it.
    explicit SplashWindow(std::function<MainWindow*()> loadMainWindow);

    QTimer* timer() const { return handOverTimer_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void HandOver();

    std::function<MainWindow*()> loadMainWindow_;
    QTimer* handOverTimer_;
    bool handedOver_ = false;
};

}  // namespace orvanta
