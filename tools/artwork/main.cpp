// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

#include "BackgroundPainter.h"
#include "TablePainter.h"
#include "WheelPainter.h"

namespace {

// Pictures without transparency are stored as plain RGB, which keeps the files small.
bool Save(const QImage& image, const QDir& folder, const QString& name, bool keepAlpha = false) {
    const QImage stored = image.convertToFormat(keepAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB888);
    const QString path = folder.filePath(name);
    if (!stored.save(path, "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Every picture at its own size and at twice that size for high-density screens.
bool SaveBothSizes(const std::function<QImage(qreal)>& render, const QDir& folder, const QString& stem,
                   bool keepAlpha = false) {
    return Save(render(1), folder, stem + ".png", keepAlpha) &&
           Save(render(2), folder, stem + "@2x.png", keepAlpha);
}

}  // namespace

// Renders every picture of the program into the assets folder (or the folder named
// as the first argument). The same program always writes the same files.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ORVANTA_ASSETS_DIR));
    using namespace orvanta::art;
    bool ok = true;
    for (int i = 1; i <= kTableStyleCount; ++i) {
        ok = ok && SaveBothSizes([i](qreal s) { return RenderTable(i, s); }, folder,
                                 QStringLiteral("table%1").arg(i));
    }
    for (int i = 1; i <= kBackgroundStyleCount; ++i) {
        ok = ok && SaveBothSizes([i](qreal s) { return RenderBackground(i, s); }, folder,
                                 QStringLiteral("background%1").arg(i));
    }
    ok = ok && SaveBothSizes(RenderSplash, folder, QStringLiteral("splash"));
    for (int size : kIconSizes) {
        ok = ok && Save(RenderIcon(size, 1), folder, QStringLiteral("icon-%1.png").arg(size), true);
        if (size < 128) {
            ok = ok && Save(RenderIcon(size, 2), folder, QStringLiteral("icon-%1@2x.png").arg(size), true);
        }
    }
    return ok ? 0 : 1;
}
