// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SplashWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "ui/MainWindow.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

namespace orvanta {

SplashWindow::SplashWindow(std::function<MainWindow*()> loadMainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      loadMainWindow_(std::move(loadMainWindow)),
      handOverTimer_(new QTimer(this)) {
    setObjectName("Form2");
    setAccessibleName("Orvanta");
    setFixedSize(TwipsToPixels(6435), TwipsToPixels(3405));
    setWindowIcon(WindowIcon());

    auto* picture = new QLabel(this);
    picture->setObjectName("picture");
    picture->setPixmap(SplashPicture());
    picture->setGeometry(rect());

    auto* label1 = new QLabel("Version 1.2", this);
    label1->setObjectName("Label1");
    label1->setAttribute(Qt::WA_TranslucentBackground);
    QPalette white = label1->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    label1->setPalette(white);
    label1->setGeometry(TwipsRect(4920, 0, 1455, 255));

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    handOverTimer_->setObjectName("Timer1");
    handOverTimer_->setInterval(kDelayMilliseconds);
    handOverTimer_->setSingleShot(true);
    // A coarse timer may fire a little early; the splash must stand its full time.
    handOverTimer_->setTimerType(Qt::PreciseTimer);
    connect(handOverTimer_, &QTimer::timeout, this, &SplashWindow::HandOver);
}

void SplashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Counted from the moment the splash is on screen, and only once.
    if (!handedOver_ && !handOverTimer_->isActive()) {
        handOverTimer_->start();
    }
}

void SplashWindow::HandOver() {
    handedOver_ = true;
    MainWindow* main = loadMainWindow_();
    hide();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        main->move(screen->availableGeometry().center() - main->rect().center());
    }
    main->show();
    deleteLater();
}

}  // namespace orvanta
