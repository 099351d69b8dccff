// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Pictures.h"

#include <QGuiApplication>

// The resources live in a static library: register them before the first use, or
// the linker may leave them out of the program.
static void RegisterPictures() {
    static const bool kRegistered = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    (void)kRegistered;
}

namespace orvanta {

namespace {

qreal ScreenRatio() {
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

}  // namespace

QPixmap PictureResource(const QString& stem, qreal devicePixelRatio) {
    RegisterPictures();
    // The "@2x" in the name makes the reader mark the pixmap as twice as dense.
    const QString suffix = devicePixelRatio > 1.0 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
    return QPixmap(QStringLiteral(":/pictures/") + stem + suffix);
}

QPixmap TablePicture(int index) {
    if (index < 1 || index > kTablePictureCount) {
        return {};
    }
    return PictureResource(QStringLiteral("table%1").arg(index), ScreenRatio());
}

QPixmap BackgroundPicture(int index) {
    if (index < 1 || index > kBackgroundPictureCount) {
        return {};
    }
    return PictureResource(QStringLiteral("background%1").arg(index), ScreenRatio());
}

QPixmap SplashPicture() {
    return PictureResource(QStringLiteral("splash"), ScreenRatio());
}

QIcon WindowIcon() {
    RegisterPictures();
    QIcon icon;
    for (const char* size : {"48", "64", "128", "256"}) {
        icon.addFile(QStringLiteral(":/pictures/icon-%1.png").arg(QLatin1String(size)));
    }
    return icon;
}

}  // namespace orvanta
