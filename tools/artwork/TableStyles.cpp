// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

#include "ArtKit.h"
#include "TablePainter.h"

namespace orvanta::art {

namespace {

const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");

double Fraction(double v) {
    return v - std::floor(v);
}

// Felt: a soft pool of light in the middle and a faint woollen grain.
QColor Felt(double x, double y, const QColor& base, double grain, std::uint32_t seed) {
    const double dx = (x - 150) / 260;
    const double dy = (y - 230) / 330;
    const double light = 1.10 - 0.45 * (dx * dx + dy * dy);
    const double wool =
        1 + grain * (Fbm(x / 1.3, y / 1.3, 2, seed) - 0.5) + 0.06 * (Fbm(x / 40, y / 40, 3, seed + 7) - 0.5);
    return Shade(base, light * wool);
}

// Flames: tongues of fire stretched upwards, as an intensity in [0, 1].
double Flame(double x, double y) {
    const double warp = Fbm(x / 22, y / 30, 3, 31);
    const double tongue = Fbm(x / 7 + 2.2 * warp, y / 20 + 1.4 * warp, 4, 17);
    return std::clamp((tongue - 0.28) * 2.1, 0.0, 1.0);
}

QColor FireColour(double t) {
    return AlongRamp({{0.0, QColor(25, 2, 0)},
                      {0.30, QColor(150, 18, 0)},
                      {0.55, QColor(235, 95, 0)},
                      {0.80, QColor(255, 185, 30)},
                      {1.0, QColor(255, 246, 190)}},
                     t);
}

// Wood: growth rings bent by noise, with fine fibres along the grain.
QColor Wood(double along, double across, const QColor& light, const QColor& dark, std::uint32_t seed) {
    const double bend = 5 * Fbm(across / 30, along / 140, 3, seed);
    const double ring = Fraction(across / 6.5 + bend);
    const double figure = std::pow(std::sin(ring * 3.14159), 6);
    const double fibre = Noise(across * 0.9, along * 0.04, seed + 3);
    return Mix(light, dark, 0.55 * figure + 0.35 * fibre + 0.25 * Fbm(across / 18, along / 60, 2, seed + 9));
}

// Stone: cloudy mottling crossed by a few dark veins.
QColor Stone(double x, double y, const QColor& light, const QColor& dark, std::uint32_t seed) {
    const double mottle = Fbm(x / 16, y / 16, 5, seed);
    const double vein =
        std::pow(1 - std::abs(std::sin((x * 0.6 + y) / 21 + 7 * Fbm(x / 45, y / 45, 3, seed + 5))), 10);
    const double speck = Hash(int(x * 1.5), int(y * 1.5), seed + 11) > 0.985 ? 0.25 : 0.0;
    return Mix(light, dark, 0.9 * mottle - 0.2 + 0.45 * vein + speck);
}

TextLook Outlined(const QColor& fill, const QColor& outline, double width) {
    TextLook look;
    look.fill = fill;
    look.outline = outline;
    look.outlineWidth = width;
    return look;
}

void FillPath(QPainter& p, const QPainterPath& shape, const QBrush& brush, const QPen& pen = Qt::NoPen) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPath(shape);
}

// A light band over the upper part of a shape, as on a lacquered or enamelled surface.
void Gloss(QPainter& p, const QPainterPath& shape, double strength) {
    const QRectF r = shape.boundingRect();
    QLinearGradient gloss(r.topLeft(), r.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, int(200 * strength)));
    gloss.setColorAt(0.45, QColor(255, 255, 255, int(40 * strength)));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    gloss.setColorAt(1, QColor(0, 0, 0, int(60 * strength)));
    FillPath(p, shape, gloss);
}

QColor TokenColour(Token token, const QColor& red, const QColor& black, const QColor& green) {
    switch (token) {
        case Token::Red:
            return red;
        case Token::Black:
            return black;
        case Token::Green:
            return green;
    }
    return black;
}

// 1: green felt with black rounded panels and cream lines.
class GreenFelt : public TableStyle {
public:
    void Ground(QPainter& p, const QRectF& picture) const override { p.fillRect(picture, felt_.Brush(p)); }
    void Panel(QPainter& p, const QPainterPath& shape) const override {
        const QRectF r = shape.boundingRect();
        QLinearGradient fill(r.topLeft(), r.bottomRight());
        fill.setColorAt(0, QColor(38, 38, 38));
        fill.setColorAt(1, QColor(8, 8, 8));
        FillPath(p, shape, fill, QPen(QColor(235, 228, 205), 1.2));
    }
    void Cell(QPainter& p, const QRectF& slot) const override {
        p.setPen(QPen(QColor(235, 228, 205), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(slot);
    }
    void Mark(QPainter& p, const QPainterPath& shape, Token token) const override {
        const QColor c = TokenColour(token, QColor(196, 22, 28), QColor(22, 22, 22), QColor(0, 150, 65));
        const QRectF r = shape.boundingRect();
        QRadialGradient fill(r.center() - QPointF(0, r.height() * 0.25), r.width() * 0.7);
        fill.setColorAt(0, token == Token::Black ? QColor(62, 62, 62) : Shade(c, 1.35));
        fill.setColorAt(1, c);
        FillPath(p, shape, fill, QPen(QColor(235, 228, 205), 1.0));
    }
    void Words(QPainter& p, const QRectF& box, const QString& text, double size,
               bool vertical) const override {
        DrawText(p, box, text, Font(kSans, size, true), Outlined(QColor(240, 236, 220), Qt::black, 0),
                 vertical);
    }
    void Numeral(QPainter& p, const QRectF& box, const QString& text, double size) const override {
        DrawText(p, box, text, Font(kSans, size, true), Outlined(Qt::white, QColor(0, 0, 0, 140), 2));
    }

private:
    Texture felt_{[](double x, double y) { return Felt(x, y, QColor(24, 122, 62), 0.10, 1); }};
};

// 2: flat felt with thin white borders: the table users see first.
class FlatFelt : public TableStyle {
public:
    void Ground(QPainter& p, const QRectF& picture) const override { p.fillRect(picture, felt_.Brush(p)); }
    void Panel(QPainter& p, const QPainterPath& shape) const override {
        FillPath(p, shape, QColor(0, 30, 14, 70), QPen(QColor(255, 255, 255, 235), 1.0));
    }
    void Cell(QPainter& p, const QRectF& slot) const override {
        p.setPen(QPen(QColor(255, 255, 255, 235), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(slot.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    void Mark(QPainter& p, const QPainterPath& shape, Token token) const override {
        const QColor c = TokenColour(token, QColor(205, 32, 44), QColor(24, 26, 28), QColor(0, 158, 86));
        FillPath(p, shape, c, QPen(QColor(255, 255, 255, token == Token::Black ? 150 : 110), 1.0));
    }
    void Words(QPainter& p, const QRectF& box, const QString& text, double size,
               bool vertical) const override {
        TextLook look;
        look.letterSpacing = 0.6;
        DrawText(p, box, text, Font(kSans, size, true), look, vertical);
    }
    void Numeral(QPainter& p, const QRectF& box, const QString& text, double size) const override {
        DrawText(p, box, text, Font(kSans, size, true), TextLook{});
    }

private:
    Texture felt_{[](double x, double y) { return Felt(x, y, QColor(16, 116, 72), 0.05, 2); }};
};

// 3: flames in the panels and behind the numbers.
class Flames : public TableStyle {
public:
    void Ground(QPainter& p, const QRectF& picture) const override { p.fillRect(picture, ground_.Brush(p)); }
    void Panel(QPainter& p, const QPainterPath& shape) const override {
        FillPath(p, shape, panel_.Brush(p), QPen(QColor(255, 215, 120), 1.2));
    }
    void Cell(QPainter& p, const QRectF& slot) const override {
        p.fillRect(slot, cell_.Brush(p));
        p.setPen(QPen(QColor(70, 8, 0), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(slot);
    }
    void Mark(QPainter& p, const QPainterPath& shape, Token token) const override {
        const QColor c = TokenColour(token, QColor(150, 0, 12), QColor(18, 10, 8), QColor(0, 130, 50));
        FillPath(p, shape, c, QPen(QColor(255, 225, 120), 1.4));
    }
    void Words(QPainter& p, const QRectF& box, const QString& text, double size,
               bool vertical) const override {
        DrawText(p, box, text, Font(kSans, size, true), Outlined(Qt::white, QColor(40, 0, 0), 3), vertical);
    }
    void Numeral(QPainter& p, const QRectF& box, const QString& text, double size) const override {
        DrawText(p, box, text, Font(kSans, size, true),
                 Outlined(QColor(255, 250, 235), QColor(0, 0, 0, 160), 2));
    }

private:
    Texture ground_{[](double x, double y) {
        const double ember = std::clamp((y - 300) / 260, 0.0, 1.0);
        return Mix(QColor(14, 8, 8), QColor(70, 14, 4), ember * Fbm(x / 25, y / 25, 3, 41));
    }};
    Texture panel_{[](double x, double y) { return FireColour(Flame(x, y)); }};
    Texture cell_{[](double x, double y) { return FireColour(0.62 + 0.38 * Flame(x + 500, y)); }};
};

// 4: black light: deep blue panels, glowing lines, magenta and violet numbers.
class BlackLight : public TableStyle {
public:
    void Ground(QPainter& p, const QRectF& picture) const override { p.fillRect(picture, ground_.Brush(p)); }
    void Panel(QPainter& p, const QPainterPath& shape) const override {
        const QRectF r = shape.boundingRect();
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, QColor(26, 18, 118));
        fill.setColorAt(1, QColor(12, 8, 70));
        FillPath(p, shape, fill);
        DrawGlow(p, shape, QColor(60, 170, 255), 1.0, 4.5);
    }
    void Cell(QPainter& p, const QRectF& slot) const override {
        QPainterPath cell;
        cell.addRoundedRect(slot.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
        FillPath(p, cell, QColor(20, 14, 104));
        DrawGlow(p, cell, QColor(150, 80, 255), 0.8, 3.5);
    }
    void Mark(QPainter& p, const QPainterPath& shape, Token token) const override {
        const QColor c = TokenColour(token, QColor(255, 20, 190), QColor(140, 60, 255), QColor(40, 240, 120));
        DrawGlow(p, shape, c, 1.0, 6);
        const QRectF r = shape.boundingRect();
        QRadialGradient fill(r.center(), r.width() * 0.6);
        fill.setColorAt(0, Mix(c, Qt::white, 0.25));
        fill.setColorAt(1, c);
        FillPath(p, shape, fill);
    }
    void Words(QPainter& p, const QRectF& box, const QString& text, double size,
               bool vertical) const override {
        DrawText(p, box, text, Font(kSans, size, true),
                 Outlined(QColor(235, 245, 255), QColor(120, 200, 255, 110), 3), vertical);
    }
    void Numeral(QPainter& p, const QRectF& box, const QString& text, double size) const override {
        DrawText(p, box, text, Font(kSans, size, true), Outlined(Qt::white, QColor(40, 0, 60, 150), 2));
    }

private:
    Texture ground_{[](double x, double y) {
        return Mix(QColor(4, 2, 12), QColor(34, 10, 60), std::pow(Fbm(x / 60, y / 60, 4, 51), 2) * 1.4);
    }};
};

// 5: wood inlay: walnut ground, oak panels, maple cells with ebony and padauk numbers.
class WoodInlay : public TableStyle {
public:
    void Ground(QPainter& p, const QRectF& picture) const override { p.fillRect(picture, walnut_.Brush(p)); }
    void Panel(QPainter& p, const QPainterPath& shape) const override {
        FillPath(p, shape, oak_.Brush(p), QPen(QColor(40, 22, 10), 2.2));
        FillPath(p, shape, Qt::NoBrush, QPen(QColor(238, 214, 164), 0.9));
    }
    void Cell(QPainter& p, const QRectF& slot) const override {
        p.fillRect(slot, maple_.Brush(p));
        p.setPen(QPen(QColor(60, 34, 14), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(slot);
    }
    void Mark(QPainter& p, const QPainterPath& shape, Token token) const override {
        const QColor c = TokenColour(token, QColor(160, 34, 24), QColor(34, 24, 18), QColor(40, 110, 50));
        FillPath(p, shape, c, QPen(QColor(250, 232, 190), 1.2));
        Gloss(p, shape, 0.25);
    }
    void Words(QPainter& p, const QRectF& box, const QString& text, double size,
               bool vertical) const override {
        DrawText(p, box, text, Font(kSerif, size + 1, true),
                 Outlined(QColor(250, 236, 200), QColor(45, 25, 10), 2.4), vertical);
    }
    void Numeral(QPainter& p, const QRectF& box, const QString& text, double size) const override {
        DrawText(p, box, text, Font(kSerif, size + 1, true),
                 Outlined(QColor(255, 246, 225), QColor(0, 0, 0, 90), 1.6));
    }

private:
    Texture walnut_{
        [](double x, double y) { return Wood(x, y, QColor(92, 56, 32), QColor(40, 22, 12), 61); }};
    Texture oak_{
        [](double x, double y) { return Wood(y, x, QColor(176, 118, 62), QColor(110, 64, 28), 62); }};
    Texture maple_{
        [](double x, double y) { return Wood(y, x, QColor(232, 196, 138), QColor(196, 150, 92), 63); }};
};

// 6: mottled stone, carved.
class MottledStone : public TableStyle {
public:
    void Ground(QPainter& p, const QRectF& picture) const override { p.fillRect(picture, slate_.Brush(p)); }
    void Panel(QPainter& p, const QPainterPath& shape) const override {
        FillPath(p, shape, granite_.Brush(p));
        Carve(p, shape);
    }
    void Cell(QPainter& p, const QRectF& slot) const override {
        QPainterPath cell;
        cell.addRect(slot.adjusted(1, 1, -1, -1));
        FillPath(p, cell, granite_.Brush(p));
        Carve(p, cell);
    }
    void Mark(QPainter& p, const QPainterPath& shape, Token token) const override {
        const Texture& stone = token == Token::Red ? jasper_ : token == Token::Black ? basalt_ : malachite_;
        FillPath(p, shape, stone.Brush(p), QPen(QColor(20, 18, 16, 200), 1.2));
        Gloss(p, shape, 0.35);
    }
    void Words(QPainter& p, const QRectF& box, const QString& text, double size,
               bool vertical) const override {
        DrawText(p, box.translated(0.8, 0.8), text, Font(kSerif, size + 1, true),
                 Outlined(QColor(255, 255, 255, 90), Qt::black, 0), vertical);
        DrawText(p, box, text, Font(kSerif, size + 1, true), Outlined(QColor(40, 38, 36), Qt::black, 0),
                 vertical);
    }
    void Numeral(QPainter& p, const QRectF& box, const QString& text, double size) const override {
        DrawText(p, box, text, Font(kSerif, size + 1, true),
                 Outlined(QColor(250, 248, 240), QColor(0, 0, 0, 150), 2));
    }

private:
    static void Carve(QPainter& p, const QPainterPath& shape) {
        p.save();
        p.setClipPath(shape);
        p.translate(1, 1);
        FillPath(p, shape, Qt::NoBrush, QPen(QColor(0, 0, 0, 120), 2.5));
        p.translate(-2, -2);
        FillPath(p, shape, Qt::NoBrush, QPen(QColor(255, 255, 255, 70), 2));
        p.restore();
        FillPath(p, shape, Qt::NoBrush, QPen(QColor(30, 30, 32, 180), 1));
    }
    Texture slate_{
        [](double x, double y) { return Stone(x, y, QColor(88, 92, 98), QColor(40, 42, 46), 71); }};
    Texture granite_{
        [](double x, double y) { return Stone(x, y, QColor(186, 180, 168), QColor(112, 108, 100), 72); }};
    Texture jasper_{
        [](double x, double y) { return Stone(x, y, QColor(196, 52, 40), QColor(120, 18, 14), 73); }};
    Texture basalt_{
        [](double x, double y) { return Stone(x, y, QColor(58, 58, 60), QColor(14, 14, 16), 74); }};
    Texture malachite_{
        [](double x, double y) { return Stone(x, y, QColor(40, 170, 100), QColor(6, 90, 50), 75); }};
};

// 7: glossy enamel as on a tin toy: printed blue ground, red panels, yellow cells, rivets.
class TinToy : public TableStyle {
public:
    void Ground(QPainter& p, const QRectF& picture) const override {
        p.fillRect(picture, QColor(28, 78, 170));
        // A printed pattern of small stars, kept off the caption strip at the top.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 130, 220));
        for (int row = 2; row * 14 < picture.height(); ++row) {
            for (int col = 0; col * 14 < picture.width(); ++col) {
                const QPointF c(col * 14 + (row % 2) * 7 + 4, row * 14 + 4);
                QPainterPath star;
                for (int k = 0; k < 10; ++k) {
                    const double a = k * 3.14159 / 5 - 3.14159 / 2;
                    const double r = k % 2 == 0 ? 2.6 : 1.1;
                    const QPointF point(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
                    k == 0 ? star.moveTo(point) : star.lineTo(point);
                }
                star.closeSubpath();
                p.drawPath(star);
            }
        }
    }
    void Panel(QPainter& p, const QPainterPath& shape) const override {
        FillPath(p, shape, QColor(214, 36, 36), QPen(QColor(250, 240, 215), 1.6));
        Gloss(p, shape, 0.7);
        Rivets(p, shape.boundingRect().adjusted(4, 4, -4, -4));
    }
    void Cell(QPainter& p, const QRectF& slot) const override {
        QPainterPath cell;
        cell.addRoundedRect(slot.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
        FillPath(p, cell, QColor(252, 204, 36), QPen(QColor(20, 40, 110), 1.4));
        Gloss(p, cell, 0.6);
    }
    void Mark(QPainter& p, const QPainterPath& shape, Token token) const override {
        const QColor c = TokenColour(token, QColor(222, 30, 30), QColor(26, 26, 34), QColor(10, 150, 70));
        FillPath(p, shape, c, QPen(QColor(255, 250, 235), 1.3));
        const QRectF r = shape.boundingRect();
        QPainterPath shine;
        shine.addEllipse(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.1, r.width() * 0.6,
                                r.height() * 0.32));
        QLinearGradient white(shine.boundingRect().topLeft(), shine.boundingRect().bottomLeft());
        white.setColorAt(0, QColor(255, 255, 255, 170));
        white.setColorAt(1, QColor(255, 255, 255, 0));
        FillPath(p, shine, white);
    }
    void Words(QPainter& p, const QRectF& box, const QString& text, double size,
               bool vertical) const override {
        DrawText(p, box, text, Font(kSans, size, true),
                 Outlined(QColor(255, 250, 230), QColor(90, 0, 0), 2.4), vertical);
    }
    void Numeral(QPainter& p, const QRectF& box, const QString& text, double size) const override {
        DrawText(p, box, text, Font(kSans, size, true), Outlined(Qt::white, QColor(0, 0, 0, 170), 2));
    }

private:
    static void Rivets(QPainter& p, const QRectF& r) {
        for (const QPointF& c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            QRadialGradient metal(c - QPointF(0.6, 0.6), 2.2);
            metal.setColorAt(0, QColor(255, 255, 255));
            metal.setColorAt(1, QColor(120, 120, 130));
            p.setPen(QPen(QColor(60, 20, 20), 0.6));
            p.setBrush(metal);
            p.drawEllipse(c, 1.8, 1.8);
        }
    }
};

// 8: needle point: every filled surface worked in tent stitches on canvas.
class NeedlePoint : public TableStyle {
public:
    void Ground(QPainter& p, const QRectF& picture) const override {
        p.fillRect(picture, QColor(40, 110, 64));
    }
    void Panel(QPainter& p, const QPainterPath& shape) const override {
        FillPath(p, shape, QColor(44, 52, 110), QPen(QColor(236, 222, 186), 1.6));
    }
    void Cell(QPainter& p, const QRectF& slot) const override {
        p.fillRect(slot, QColor(230, 214, 176));
        p.setPen(QPen(QColor(44, 52, 110), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(slot);
    }
    void Mark(QPainter& p, const QPainterPath& shape, Token token) const override {
        const QColor c = TokenColour(token, QColor(200, 36, 40), QColor(30, 28, 30), QColor(60, 176, 84));
        FillPath(p, shape, c, QPen(QColor(236, 222, 186), 1.4));
    }
    void Finish(QPainter& p, const QRectF& picture) const override {
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        p.fillRect(picture, stitches_.Brush(p));
        p.restore();
    }
    void Words(QPainter& p, const QRectF& box, const QString& text, double size,
               bool vertical) const override {
        DrawText(p, box, text, Font(kSans, size, true),
                 Outlined(QColor(246, 236, 205), QColor(20, 20, 40, 200), 2.4), vertical);
    }
    void Numeral(QPainter& p, const QRectF& box, const QString& text, double size) const override {
        DrawText(p, box, text, Font(kSans, size, true),
                 Outlined(QColor(255, 250, 236), QColor(0, 0, 0, 150), 2));
    }

private:
    // Each 3-pixel square of canvas holds one diagonal stitch: bright along the
    // thread, darker at the canvas holes, and each stitch a little different.
    Texture stitches_{[](double x, double y) {
        constexpr double kStitch = 3.0;
        const double u = Fraction(x / kStitch);
        const double v = Fraction(y / kStitch);
        const double across = std::abs(u + v - 1) / 1.4142;
        const double thread = 1 - 0.55 * across * across * 2;
        const double hole = (u < 0.12 || v < 0.12) ? 0.88 : 1.0;
        const double jitter =
            0.92 + 0.08 * Hash(int(std::floor(x / kStitch)), int(std::floor(y / kStitch)), 81);
        const double level = std::clamp(0.76 + 0.24 * thread * hole * jitter, 0.0, 1.0);
        return QColor::fromRgbF(float(level), float(level), float(level));
    }};
};

}  // namespace

std::unique_ptr<TableStyle> MakeTableStyle(int index) {
    switch (index) {
        case 1:
            return std::make_unique<GreenFelt>();
        case 2:
            return std::make_unique<FlatFelt>();
        case 3:
            return std::make_unique<Flames>();
        case 4:
            return std::make_unique<BlackLight>();
        case 5:
            return std::make_unique<WoodInlay>();
        case 6:
            return std::make_unique<MottledStone>();
        case 7:
            return std::make_unique<TinToy>();
        default:
            return std::make_unique<NeedlePoint>();
    }
}

}  // namespace orvanta::art
