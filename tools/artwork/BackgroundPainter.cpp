// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackgroundPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

#include "ui/LayoutTables.h"

#include "ArtKit.h"

namespace orvanta::art {

namespace {

const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");

QRectF Px(const TwipsBox& box) {
    return InPicture(box, kBackgroundBox);
}

QRectF Union(const TwipsBox& a, const TwipsBox& b) {
    return Px(a).united(Px(b));
}

// The four panels in background pixels, and where the captions go. The captions of
// the panels lie in the strip between a panel's top and its first control, the two
// slider captions in the gaps above the sliders, so no control ever covers one.
struct Panel {
    QRectF frame;
    const char* plainCaption;
    const char* shortCaption;
};

const std::array<Panel, 4>& Panels() {
    static const std::array<Panel, 4> panels = {{
        {QRectF(QPointF(6, 6), QPointF(343, 399.5)), "Past Results for Analysis", "Results"},
        {QRectF(QPointF(6, 402), QPointF(343, 506)), "Messages:", "Messages"},
        {QRectF(QPointF(350, 6), QPointF(472, 506)), "Report Past Results", "Past Results"},
        {QRectF(QPointF(478, 6), QPointF(779, 508)), "Data Entry Table", "Data Entry Table"},
    }};
    return panels;
}

struct SliderCaption {
    QRectF frame;  // the small group frame around the slider in the plain style
    const char* plainCaption;
    const char* shortCaption;
};

const std::array<SliderCaption, 2>& SliderCaptions() {
    static const std::array<SliderCaption, 2> captions = {{
        {Px(kRunLengthSliderBox).adjusted(-6, -13, 8, 3), "Run Length", "Run Length"},
        {Px(kDepthSliderBox).adjusted(-7, -12, 7, 3), "Recursion Depth", "Depth"},
    }};
    return captions;
}

// Every place a control stands, as the picture fills them.
std::vector<QRectF> Places() {
    return {
        Union(kResultsGridBox, kScrollMainBox),
        Px(kInsertButtonBox),
        Px(kRemoveButtonBox),
        Px(kMessagesBox),
        Px(kCategoryBox),
        Union(kSearchGrid1Box, kScrollS1Box),
        Union(kSearchGrid2Box, kScrollS2Box),
        Px(kRunLengthSliderBox),
        Px(kDepthSliderBox),
        Px(kCalculateButtonBox),
        Px(kTablePictureBox),
    };
}

// The styled panels carry their caption inside the top edge, above the first control.
QRectF CaptionStrip(const QRectF& frame) {
    return QRectF(frame.left() + 8, frame.top() + 3, frame.width() - 16, 15);
}

void FillPlaces(QPainter& p, const QColor& colour, const QColor& rim) {
    p.setPen(rim.alpha() == 0 ? QPen(Qt::NoPen) : QPen(rim, 1));
    p.setBrush(colour);
    for (const QRectF& place : Places()) {
        p.drawRect(place.adjusted(-0.5, -0.5, 0.5, 0.5));
    }
}

// 1: the grey window of old: etched group frames with their captions on the line.
void PaintPlain(QPainter& p, const QRectF& picture) {
    p.fillRect(picture, QColor(192, 192, 192));
    const QFont font = Font(kSans, 11, false);
    const auto frame = [&](const QRectF& r, const QString& caption) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(128, 128, 128), 1));
        p.drawRect(r.adjusted(0.5, 0.5, -1.5, -1.5));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(r.adjusted(1.5, 1.5, -0.5, -0.5));
        const QFontMetricsF metrics(font);
        const QRectF text(r.left() + 8, r.top() - 7, metrics.horizontalAdvance(caption) + 6, 15);
        p.fillRect(text, QColor(192, 192, 192));
        p.setPen(Qt::black);
        p.setFont(font);
        p.drawText(text, Qt::AlignCenter, caption);
    };
    for (const Panel& panel : Panels()) {
        frame(panel.frame.adjusted(0, 7, 0, 0), panel.plainCaption);
    }
    for (const SliderCaption& slider : SliderCaptions()) {
        frame(slider.frame, slider.plainCaption);
    }
    // The controls stand on the window's own grey, as in a dialog of that look.
    FillPlaces(p, QColor(192, 192, 192), Qt::transparent);
}

// 2: soft grey, raised rounded panels with embossed captions.
void PaintEmbossed(QPainter& p, const QRectF& picture) {
    QLinearGradient ground(picture.topLeft(), picture.bottomRight());
    ground.setColorAt(0, QColor(226, 228, 232));
    ground.setColorAt(1, QColor(196, 199, 205));
    p.fillRect(picture, ground);
    for (const Panel& panel : Panels()) {
        const QRectF r = panel.frame;
        for (int i = 4; i >= 1; --i) {
            QPainterPath shadow;
            shadow.addRoundedRect(r.translated(1.5, 2).adjusted(-i, -i, i, i), 9 + i, 9 + i);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 70, 90, 10));
            p.drawPath(shadow);
        }
        QPainterPath body;
        body.addRoundedRect(r, 9, 9);
        QLinearGradient face(r.topLeft(), r.bottomLeft());
        face.setColorAt(0, QColor(240, 241, 244));
        face.setColorAt(1, QColor(222, 224, 229));
        p.setBrush(face);
        p.setPen(QPen(QColor(168, 172, 182), 1));
        p.drawPath(body);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 220), 1));
        QPainterPath rim;
        rim.addRoundedRect(r.adjusted(1.2, 1.2, -1.2, -1.2), 8, 8);
        p.drawPath(rim);
    }
    const auto caption = [&](const QRectF& strip, const QString& text) {
        TextLook white;
        white.fill = Qt::white;
        white.letterSpacing = 0.8;
        TextLook ink;
        ink.fill = QColor(72, 78, 92);
        ink.letterSpacing = 0.8;
        const QFont font = Font(kSans, 11, true);
        const QFontMetricsF metrics(font);
        const double width = metrics.horizontalAdvance(text) + 0.8 * text.size();
        const QRectF box(strip.left(), strip.top(), width, strip.height());
        DrawText(p, box.translated(0, 1), text, font, white);
        DrawText(p, box, text, font, ink);
    };
    for (const Panel& panel : Panels()) {
        caption(CaptionStrip(panel.frame).translated(2, 0), panel.shortCaption);
    }
    for (const SliderCaption& slider : SliderCaptions()) {
        caption(QRectF(slider.frame.left() + 6, slider.frame.top() - 4, slider.frame.width(), 15),
                slider.shortCaption);
    }
    // Places: white wells sunk into the panels.
    for (const QRectF& place : Places()) {
        p.fillRect(place.adjusted(-1.5, -1.5, 1.5, 1.5), QColor(150, 155, 165));
        p.fillRect(place.adjusted(-0.5, -0.5, 1.5, 1.5), QColor(255, 255, 255));
    }
    FillPlaces(p, Qt::white, Qt::transparent);
}

double Flame(double x, double y) {
    const double warp = Fbm(x / 22, y / 30, 3, 131);
    return std::clamp((Fbm(x / 6 + 2 * warp, y / 14 + warp, 4, 117) - 0.25) * 2.0, 0.0, 1.0);
}

// 3: dark grey with flame borders.
void PaintFlameBorders(QPainter& p, const QRectF& picture) {
    static const Texture ground([](double x, double y) {
        return Shade(QColor(50, 50, 54), 0.9 + 0.2 * Fbm(x / 30, y / 30, 3, 141));
    });
    static const Texture fire([](double x, double y) {
        return AlongRamp({{0.0, QColor(90, 8, 0)},
                          {0.35, QColor(200, 40, 0)},
                          {0.65, QColor(250, 140, 10)},
                          {1.0, QColor(255, 240, 160)}},
                         Flame(x, y));
    });
    p.fillRect(picture, ground.Brush(p));
    for (const Panel& panel : Panels()) {
        QPainterPath border;
        border.addRoundedRect(panel.frame.adjusted(2, 0, -2, 0), 7, 7);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 80, 0, 40), 11));
        p.drawPath(border);
        p.setPen(QPen(fire.Brush(p), 5));
        p.drawPath(border);
        p.setPen(QPen(QColor(40, 10, 0, 160), 1));
        QPainterPath inner;
        inner.addRoundedRect(panel.frame.adjusted(4.5, 2.5, -4.5, -2.5), 5, 5);
        p.drawPath(inner);
    }
    const auto caption = [&](const QRectF& strip, const QString& text) {
        TextLook look;
        look.fill = QColor(255, 236, 190);
        look.outline = QColor(20, 0, 0, 220);
        look.outlineWidth = 2.4;
        look.letterSpacing = 0.6;
        const QFont font = Font(kSans, 11, true);
        const double width = QFontMetricsF(font).horizontalAdvance(text) + 0.6 * text.size();
        DrawText(p, QRectF(strip.left(), strip.top(), width, strip.height()), text, font, look);
    };
    for (const Panel& panel : Panels()) {
        caption(CaptionStrip(panel.frame).translated(4, 1), panel.shortCaption);
    }
    for (const SliderCaption& slider : SliderCaptions()) {
        caption(QRectF(slider.frame.left() + 6, slider.frame.top() - 4, slider.frame.width(), 15),
                slider.shortCaption);
    }
    FillPlaces(p, Qt::white, QColor(20, 20, 20));
}

// 4: glowing blue tubes on black.
void PaintNeon(QPainter& p, const QRectF& picture) {
    p.fillRect(picture, QColor(4, 4, 10));
    for (const Panel& panel : Panels()) {
        QPainterPath tube;
        tube.addRoundedRect(panel.frame.adjusted(2, 0, -2, 0), 10, 10);
        DrawGlow(p, tube, QColor(40, 130, 255), 2.0, 11);
    }
    const auto caption = [&](const QRectF& strip, const QString& text) {
        const QFont font = Font(kSans, 11, true);
        const double width = QFontMetricsF(font).horizontalAdvance(text) + 1.0 * text.size();
        const QRectF box(strip.left(), strip.top(), width, strip.height());
        for (int i = 3; i >= 1; --i) {
            TextLook glow;
            glow.fill = QColor(120, 200, 255, 40);
            glow.outline = QColor(60, 150, 255, 40);
            glow.outlineWidth = 2.5 * i;
            glow.letterSpacing = 1.0;
            DrawText(p, box, text, font, glow);
        }
        TextLook core;
        core.fill = QColor(225, 245, 255);
        core.letterSpacing = 1.0;
        DrawText(p, box, text, font, core);
    };
    for (const Panel& panel : Panels()) {
        caption(CaptionStrip(panel.frame).translated(4, 1), panel.shortCaption);
    }
    for (const SliderCaption& slider : SliderCaptions()) {
        caption(QRectF(slider.frame.left() + 6, slider.frame.top() - 4, slider.frame.width(), 15),
                slider.shortCaption);
    }
    // Lit panels: the sliders, which do not cover their places, stand on a pale glow
    // that their dark ticks read against.
    FillPlaces(p, QColor(226, 228, 252), QColor(90, 170, 255));
}

QColor DarkWood(double x, double y) {
    const double bend = 6 * Fbm(y / 24, x / 160, 3, 151);
    const double ring = y / 7.0 + bend;
    const double figure = std::pow(std::sin((ring - std::floor(ring)) * 3.14159), 5);
    const double fibre = Noise(y * 0.8, x * 0.035, 153);
    return Mix(QColor(86, 52, 30), QColor(30, 16, 8),
               0.5 * figure + 0.35 * fibre + 0.3 * Fbm(y / 20, x / 70, 2, 155));
}

// 5: dark wood, with light mouldings and brass name plates.
void PaintWood(QPainter& p, const QRectF& picture) {
    static const Texture walnut(DarkWood);
    p.fillRect(picture, walnut.Brush(p));
    for (const Panel& panel : Panels()) {
        QPainterPath moulding;
        moulding.addRoundedRect(panel.frame.adjusted(2, 0, -2, 0), 4, 4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 110), 6));
        p.drawPath(moulding.translated(1, 1.5));
        p.setPen(QPen(QColor(150, 96, 50), 4));
        p.drawPath(moulding);
        p.setPen(QPen(QColor(220, 170, 110), 1));
        QPainterPath highlight;
        highlight.addRoundedRect(panel.frame.adjusted(0.8, -1.2, -0.8, 1.2), 5, 5);
        p.drawPath(highlight);
    }
    const auto plate = [&](const QRectF& strip, const QString& text) {
        const QFont font = Font(kSerif, 11, true);
        const double width = QFontMetricsF(font).horizontalAdvance(text) + 0.8 * text.size() + 14;
        const QRectF r(strip.left(), strip.top(), width, 15);
        QLinearGradient brass(r.topLeft(), r.bottomLeft());
        brass.setColorAt(0, QColor(250, 225, 150));
        brass.setColorAt(0.5, QColor(205, 160, 70));
        brass.setColorAt(1, QColor(150, 105, 35));
        p.setPen(QPen(QColor(70, 45, 15), 0.8));
        p.setBrush(brass);
        p.drawRoundedRect(r, 2.5, 2.5);
        TextLook engraved;
        engraved.fill = QColor(50, 30, 10);
        engraved.letterSpacing = 0.8;
        DrawText(p, r, text, font, engraved);
    };
    for (const Panel& panel : Panels()) {
        plate(CaptionStrip(panel.frame).translated(4, 0), panel.shortCaption);
    }
    for (const SliderCaption& slider : SliderCaptions()) {
        plate(QRectF(slider.frame.left() + 6, slider.frame.top() - 6, slider.frame.width(), 15),
              slider.shortCaption);
    }
    // Inlaid maple: a light wood the sliders' ticks read against.
    FillPlaces(p, QColor(236, 222, 194), QColor(70, 45, 15));
}

}  // namespace

QImage RenderBackground(int index, qreal scale) {
    QImage image = NewCanvas(kBackgroundPictureSize, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QRectF picture(QPointF(0, 0), QSizeF(kBackgroundPictureSize));
    switch (index) {
        case 1:
            PaintPlain(p, picture);
            break;
        case 2:
            PaintEmbossed(p, picture);
            break;
        case 3:
            PaintFlameBorders(p, picture);
            break;
        case 4:
            PaintNeon(p, picture);
            break;
        default:
            PaintWood(p, picture);
            break;
    }
    p.end();
    return image;
}

}  // namespace orvanta::art
