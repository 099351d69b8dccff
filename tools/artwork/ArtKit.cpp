// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArtKit.h"

#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

#include "ui/Twips.h"

namespace orvanta::art {

double Hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return double(h) / 4294967296.0;
}

double Noise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double a = Hash(ix, iy, seed);
    const double b = Hash(ix + 1, iy, seed);
    const double c = Hash(ix, iy + 1, seed);
    const double d = Hash(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double Fbm(double x, double y, int octaves, std::uint32_t seed) {
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * Noise(x, y, seed + std::uint32_t(i) * 101u);
        total += weight;
        x *= 2.03;
        y *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Shade(const QColor& c, double factor) {
    const auto channel = [factor](int v) { return std::clamp(int(std::lround(v * factor)), 0, 255); };
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()), c.alpha());
}

QColor AlongRamp(Ramp ramp, double t) {
    auto previous = *ramp.begin();
    if (t <= previous.first) {
        return previous.second;
    }
    for (const auto& stop : ramp) {
        if (t <= stop.first) {
            return Mix(previous.second, stop.second, (t - previous.first) / (stop.first - previous.first));
        }
        previous = stop;
    }
    return previous.second;
}

qreal ScaleOf(const QPainter& p) {
    return p.deviceTransform().m11();
}

QBrush Texture::Brush(const QPainter& p) const {
    const qreal scale = ScaleOf(p);
    const QSize size(p.device()->width(), p.device()->height());
    if (image_.size() != size || scale_ != scale) {
        image_ = QImage(size, QImage::Format_RGB32);
        scale_ = scale;
        for (int y = 0; y < size.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                line[x] = shade_((x + 0.5) / scale, (y + 0.5) / scale).rgb();
            }
        }
    }
    QBrush brush(image_);
    brush.setTransform(QTransform::fromScale(1 / scale, 1 / scale));
    return brush;
}

QRectF InPicture(const TwipsBox& box, const TwipsBox& origin) {
    return {double(box.left - origin.left) / kTwipsPerPixel, double(box.top - origin.top) / kTwipsPerPixel,
            double(box.width) / kTwipsPerPixel, double(box.height) / kTwipsPerPixel};
}

QFont Font(const QString& family, double pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void DrawText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const TextLook& look,
              bool vertical) {
    QFont spaced = font;
    if (look.letterSpacing != 0) {
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, look.letterSpacing);
    }
    QPainterPath path;
    path.addText(0, 0, spaced, text);
    // Centre on the ink, less the trailing letter space, so spaced capitals stay centred.
    QRectF ink = path.boundingRect();
    const QFontMetricsF metrics(spaced);
    const double inkHeight = metrics.capHeight();
    const QPointF centre = box.center();
    p.save();
    p.translate(centre);
    if (vertical) {
        p.rotate(-90);
    }
    p.translate(-ink.center().x(), inkHeight / 2);
    if (look.outlineWidth > 0) {
        p.setPen(QPen(look.outline, look.outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(look.fill);
    p.drawPath(path);
    p.restore();
}

void DrawGlow(QPainter& p, const QPainterPath& path, const QColor& colour, double coreWidth,
              double glowWidth) {
    p.save();
    p.setBrush(Qt::NoBrush);
    constexpr int kLayers = 6;
    for (int i = kLayers; i >= 1; --i) {
        QColor c = colour;
        c.setAlphaF(float(0.10 + 0.05 * (kLayers - i)));
        const double width = coreWidth + (glowWidth - coreWidth) * i / kLayers;
        p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    p.setPen(QPen(colour, coreWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(Mix(colour, Qt::white, 0.7), coreWidth * 0.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

QImage NewCanvas(QSize logical, qreal scale, QImage::Format format) {
    QImage image(logical * scale, format);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace orvanta::art
