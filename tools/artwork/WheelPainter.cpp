// SPDX-License-Identifier: GPL-3.0-or-later

#include "WheelPainter.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "core/model/NumberTable.h"

#include "ArtKit.h"

namespace orvanta::art {

namespace {

// The pockets clockwise from zero.
constexpr std::array<int, kNumberCount> kWheelOrder = {0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                                       36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                                       31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};

const QColor kPocketRed(196, 22, 30);
const QColor kPocketBlack(22, 22, 24);
const QColor kPocketGreen(0, 140, 64);

QColor PocketColour(const NumberTable& numbers, int n) {
    if (n == 0) {
        return kPocketGreen;
    }
    return numbers[std::size_t(n)].Color == "R" ? kPocketRed : kPocketBlack;
}

// Angles in degrees, clockwise on the screen from the top.
QPointF Polar(const QPointF& centre, double radius, double degrees) {
    const double a = (degrees - 90) * std::numbers::pi / 180;
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

QPainterPath Pocket(const QPointF& centre, double inner, double outer, double from, double to) {
    QPainterPath path;
    const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    // Qt's arcs run counter-clockwise from three o'clock.
    path.arcMoveTo(outerBox, 90 - from);
    path.arcTo(outerBox, 90 - from, -(to - from));
    path.arcTo(innerBox, 90 - to, to - from);
    path.closeSubpath();
    return path;
}

// The ring of 37 pockets with gold separators and, when there is room, the numbers.
void DrawPocketRing(QPainter& p, const QPointF& centre, double inner, double outer, double numberSize,
                    double separator) {
    const NumberTable numbers = BuildNumberTable();
    const double step = 360.0 / kNumberCount;
    for (std::size_t i = 0; i < kWheelOrder.size(); ++i) {
        const double middle = double(i) * step;
        const int n = kWheelOrder[i];
        const QPainterPath pocket = Pocket(centre, inner, outer, middle - step / 2, middle + step / 2);
        p.setPen(separator > 0 ? QPen(QColor(230, 196, 110), separator) : QPen(Qt::NoPen));
        QRadialGradient depth(centre, outer);
        depth.setColorAt(inner / outer, Shade(PocketColour(numbers, n), 0.75));
        depth.setColorAt(1, Shade(PocketColour(numbers, n), 1.15));
        p.setBrush(depth);
        p.drawPath(pocket);
        if (numberSize > 0) {
            p.save();
            p.translate(Polar(centre, (inner + outer) / 2, middle));
            p.rotate(middle);
            TextLook look;
            DrawText(p, QRectF(-10, -8, 20, 16), QString::number(n),
                     Font("Liberation Sans", numberSize, true), look);
            p.restore();
        }
    }
}

void DrawRim(QPainter& p, const QPointF& centre, double radius, double width) {
    QConicalGradient gold(centre, 45);
    gold.setColorAt(0, QColor(255, 236, 170));
    gold.setColorAt(0.25, QColor(170, 120, 40));
    gold.setColorAt(0.5, QColor(250, 220, 140));
    gold.setColorAt(0.75, QColor(150, 100, 30));
    gold.setColorAt(1, QColor(255, 236, 170));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(gold), width));
    p.drawEllipse(centre, radius, radius);
}

}  // namespace

QImage RenderSplash(qreal scale) {
    QImage image = NewCanvas(kSplashPictureSize, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const double width = kSplashPictureSize.width();
    const double height = kSplashPictureSize.height();
    const QPointF centre(width / 2, height / 2);

    QLinearGradient red(0, 0, 0, height);
    red.setColorAt(0, QColor(200, 24, 32));
    red.setColorAt(1, QColor(120, 8, 14));
    p.fillRect(QRectF(0, 0, width / 2, height), red);
    QLinearGradient black(0, 0, 0, height);
    black.setColorAt(0, QColor(34, 34, 38));
    black.setColorAt(1, QColor(6, 6, 8));
    p.fillRect(QRectF(width / 2, 0, width / 2, height), black);

    constexpr double kOuter = 104;
    constexpr double kInner = 84;
    // A soft shadow under the ring lifts it off the two halves.
    QRadialGradient shadow(centre + QPointF(0, 3), kOuter + 10);
    shadow.setColorAt(0.75, QColor(0, 0, 0, 0));
    shadow.setColorAt(0.9, QColor(0, 0, 0, 120));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(centre + QPointF(0, 3), kOuter + 10, kOuter + 10);

    DrawPocketRing(p, centre, kInner, kOuter, 9, 0.8);
    DrawRim(p, centre, kOuter + 1.5, 3);
    DrawRim(p, centre, kInner - 1, 2);

    // The thin green line on the left, from the edge to the ring.
    const double lineY = centre.y() + 44;
    const double ringEdge = centre.x() - std::sqrt(kOuter * kOuter - 44.0 * 44.0) - 5;
    p.fillRect(QRectF(0, lineY - 1, ringEdge, 2), QColor(0, 200, 90));

    // The name across the middle, on a dark band that keeps it clear of the pockets.
    QLinearGradient band(0, 0, width, 0);
    band.setColorAt(0, QColor(0, 0, 0, 0));
    band.setColorAt(0.15, QColor(0, 0, 0, 150));
    band.setColorAt(0.85, QColor(0, 0, 0, 150));
    band.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, centre.y() - 30, width, 58), band);

    TextLook name;
    name.letterSpacing = 12;
    name.outline = QColor(0, 0, 0, 150);
    name.outlineWidth = 2;
    DrawText(p, QRectF(0, centre.y() - 30, width + 12, 44), "ORVANTA", Font("Liberation Sans", 40, true),
             name);
    TextLook tagline;
    tagline.letterSpacing = 2.5;
    tagline.fill = QColor(255, 255, 255, 235);
    DrawText(p, QRectF(0, centre.y() + 13, width + 2.5, 14),
             QString::fromUtf8("RECORD \u00b7 CHART \u00b7 ANALYSE"), Font("Liberation Sans", 9, true),
             tagline);
    p.end();
    return image;
}

QImage RenderIcon(int size, qreal scale) {
    QImage image = NewCanvas(QSize(size, size), scale, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const double r = size / 2.0;
    const QPointF centre(r, r);

    // Wooden bowl with a gold rim.
    QRadialGradient bowl(centre - QPointF(r * 0.2, r * 0.25), r);
    bowl.setColorAt(0, QColor(150, 90, 40));
    bowl.setColorAt(1, QColor(70, 36, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(bowl);
    p.drawEllipse(centre, r - 0.5, r - 0.5);
    DrawRim(p, centre, r - 1 - size / 64.0, std::max(1.2, size / 32.0));

    const double outer = r * 0.86;
    const double inner = r * (size >= 256 ? 0.64 : 0.56);
    DrawPocketRing(p, centre, inner, outer, size >= 256 ? size / 26.0 : 0, size >= 64 ? size / 160.0 : 0);

    // The cone and the turret in the middle.
    QRadialGradient cone(centre - QPointF(inner * 0.3, inner * 0.35), inner);
    cone.setColorAt(0, QColor(190, 130, 70));
    cone.setColorAt(0.7, QColor(110, 62, 26));
    cone.setColorAt(1, QColor(60, 30, 10));
    p.setBrush(cone);
    p.setPen(QPen(QColor(235, 200, 120), std::max(0.8, size / 64.0)));
    p.drawEllipse(centre, inner - 0.5, inner - 0.5);
    const double arm = inner * 0.62;
    p.setPen(QPen(QColor(240, 210, 130), std::max(1.4, size / 22.0), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    QRadialGradient hub(centre - QPointF(1, 1), inner * 0.3);
    hub.setColorAt(0, QColor(255, 245, 200));
    hub.setColorAt(1, QColor(180, 130, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(hub);
    p.drawEllipse(centre, inner * 0.22, inner * 0.22);

    // The ball, resting in a pocket at the upper right.
    const QPointF ball = Polar(centre, (inner + outer) / 2, 38);
    const double ballRadius = std::max(2.2, (outer - inner) * 0.36);
    QRadialGradient ivory(ball - QPointF(ballRadius * 0.35, ballRadius * 0.4), ballRadius * 1.2);
    ivory.setColorAt(0, Qt::white);
    ivory.setColorAt(1, QColor(175, 175, 185));
    p.setBrush(ivory);
    p.setPen(QPen(QColor(40, 40, 40, 160), std::max(0.5, size / 128.0)));
    p.drawEllipse(ball, ballRadius, ballRadius);
    p.end();
    return image;
}

}  // namespace orvanta::art
