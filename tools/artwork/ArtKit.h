// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>

#include "ui/LayoutTables.h"

namespace orvanta::art {

// Smooth value noise in [0, 1]; the same inputs give the same value on every run,
// which keeps the rendered files byte for byte identical.
double Noise(double x, double y, std::uint32_t seed);

// Several octaves of Noise, each twice as fine and half as strong; in [0, 1].
double Fbm(double x, double y, int octaves, std::uint32_t seed);

// A hash of one integer lattice point in [0, 1).
double Hash(int x, int y, std::uint32_t seed);

QColor Mix(const QColor& a, const QColor& b, double t);
QColor Shade(const QColor& c, double factor);

// A colour gradient as stops (position in [0, 1], colour).
using Ramp = std::initializer_list<std::pair<double, QColor>>;
QColor AlongRamp(Ramp ramp, double t);

// Per-pixel texture function of logical picture coordinates.
using ShadeFunction = std::function<QColor(double x, double y)>;

// A procedural texture covering a whole picture, rendered once at the device
// resolution and then used as a brush, so that filled shapes keep antialiased edges.
class Texture {
public:
    explicit Texture(ShadeFunction shade) : shade_(std::move(shade)) {}
    QBrush Brush(const QPainter& p) const;

private:
    ShadeFunction shade_;
    mutable QImage image_;
    mutable qreal scale_ = 0;
};

// How many device pixels one logical pixel of the picture covers.
qreal ScaleOf(const QPainter& p);

// A box of the layout in pixels of a picture whose top-left corner lies at origin.
QRectF InPicture(const TwipsBox& box, const TwipsBox& origin);

QFont Font(const QString& family, double pixelSize, bool bold);

// Text drawn as a path, optionally with an outline around each glyph and turned to
// run upwards; centred in box.
struct TextLook {
    QColor fill = Qt::white;
    QColor outline = Qt::transparent;
    double outlineWidth = 0;
    double letterSpacing = 0;  // extra pixels between letters
};
void DrawText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const TextLook& look,
              bool vertical = false);

// A stroke drawn as a soft glow: several widening, fading copies under a bright core.
void DrawGlow(QPainter& p, const QPainterPath& path, const QColor& colour, double coreWidth,
              double glowWidth);

// The picture rendered at scale times its logical size, painter prepared for logical coordinates.
QImage NewCanvas(QSize logical, qreal scale, QImage::Format format = QImage::Format_RGB32);

}  // namespace orvanta::art
