#include "ui/PlaceholderArt.h"

#include <QPainter>
#include <QPainterPath>

#include "model/NumberTable.h"
#include "ui/LayoutTables.h"
#include "ui/Twips.h"

namespace orvanta {

namespace {

constexpr QSize kTableSize{280, 478};
constexpr QSize kBackgroundSize{785, 510};
const QColor kCloth{16, 110, 52};
const QColor kRed{190, 20, 20};
const QColor kBlack{20, 20, 20};

// A box of the layout in pixels of a picture whose top-left corner lies at origin.
QRectF InPicture(const TwipsBox& box, const TwipsBox& origin) {
    return {double(box.left - origin.left) / kTwipsPerPixel, double(box.top - origin.top) / kTwipsPerPixel,
            double(box.width) / kTwipsPerPixel, double(box.height) / kTwipsPerPixel};
}

void DrawVerticalText(QPainter& p, const QRectF& box, const QString& text) {
    p.save();
    p.translate(box.center());
    p.rotate(-90);
    const QRectF turned(-box.height() / 2, -box.width() / 2, box.height(), box.width());
    p.drawText(turned, Qt::AlignCenter, text);
    p.restore();
}

}  // namespace

QPixmap PlaceholderTablePicture() {
    QPixmap picture(kTableSize);
    picture.fill(kCloth);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font("Liberation Sans");
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    const QPen line(QColor(235, 235, 225), 1.5);

    // Zero sits in a pointed head above the middle of the first line.
    const QRectF zero = InPicture(kTableNumBoxes[0], kTablePictureBox);
    QPainterPath head;
    head.moveTo(zero.left() - 14, zero.bottom() + 3);
    head.lineTo(zero.center().x(), zero.top() - 6);
    head.lineTo(zero.right() + 14, zero.bottom() + 3);
    head.closeSubpath();
    p.setPen(line);
    p.setBrush(QColor(0, 150, 60));
    p.drawPath(head);
    p.setPen(Qt::white);
    p.drawText(zero, Qt::AlignCenter, "0");

    const NumberTable table = BuildNumberTable();
    for (int n = 1; n <= kHighestNumber; ++n) {
        const QRectF cell = InPicture(kTableNumBoxes[static_cast<std::size_t>(n)], kTablePictureBox);
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell);
        p.setPen(Qt::NoPen);
        p.setBrush(table[static_cast<std::size_t>(n)].Color == "R" ? kRed : kBlack);
        p.drawEllipse(cell.adjusted(6, 4, -6, -4));
        p.setPen(Qt::white);
        p.drawText(cell, Qt::AlignCenter, QString::number(n));
    }

    // The outside boxes lie under the hot spots.
    font.setPixelSize(10);
    p.setFont(font);
    const auto box = [&](int x, int y, int w, int h) { return QRectF(x, y, w, h); };
    struct Outside {
        QRectF rect;
        const char* text;
    };
    const Outside outside[] = {
        {box(28, 45, 34, 63), "1 to 18"},  {box(28, 112, 34, 62), "EVEN"},
        {box(28, 309, 34, 63), "ODD"},     {box(28, 375, 34, 63), "19 to 36"},
        {box(66, 46, 33, 130), "1st 12"},  {box(66, 177, 33, 130), "2nd 12"},
        {box(66, 308, 33, 130), "3rd 12"},
    };
    for (const Outside& o : outside) {
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawRect(o.rect);
        p.setPen(Qt::white);
        DrawVerticalText(p, o.rect, o.text);
    }
    const QRectF diamonds = box(20, 178, 42, 128);
    for (int i = 0; i < 2; ++i) {
        const QRectF half(diamonds.left(), diamonds.top() + i * diamonds.height() / 2, diamonds.width(),
                          diamonds.height() / 2);
        QPainterPath diamond;
        diamond.moveTo(half.center().x(), half.top() + 4);
        diamond.lineTo(half.right() - 6, half.center().y());
        diamond.lineTo(half.center().x(), half.bottom() - 4);
        diamond.lineTo(half.left() + 6, half.center().y());
        diamond.closeSubpath();
        p.setPen(line);
        p.setBrush(i == 0 ? kRed : kBlack);
        p.drawPath(diamond);
    }
    for (int i = 0; i < 3; ++i) {
        const QRectF column(103 + i * 57, 441, 57, 29);
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawRect(column);
        p.setPen(Qt::white);
        p.drawText(column, Qt::AlignCenter, "2 to 1");
    }
    return picture;
}

QPixmap PlaceholderBackground() {
    QPixmap picture(kBackgroundSize);
    picture.fill(QColor(192, 192, 192));
    QPainter p(&picture);
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);

    struct Frame {
        TwipsBox box;
        const char* caption;
    };
    const Frame frames[] = {
        {{150, 450, 5020, 6030}, "Past Results for Analysis"},
        {{150, 6360, 5020, 1560}, "Messages:"},
        {{5280, 450, 1830, 7470}, "Report Past Results"},
        {{7200, 450, 4470, 7470}, "Data Entry Table"},
    };
    for (const Frame& frame : frames) {
        const QRectF r = InPicture(frame.box, kBackgroundBox);
        p.setPen(QPen(QColor(128, 128, 128), 1));
        p.setBrush(QColor(206, 206, 206));
        p.drawRoundedRect(r, 4, 4);
        p.setPen(QColor(40, 40, 40));
        p.drawText(r.adjusted(8, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, frame.caption);
    }
    p.setPen(QColor(40, 40, 40));
    font.setBold(false);
    p.setFont(font);
    p.drawText(InPicture({5400, 5985, 1600, 240}, kBackgroundBox), Qt::AlignLeft | Qt::AlignVCenter,
               "Run Length");
    p.drawText(InPicture({5400, 6690, 1600, 240}, kBackgroundBox), Qt::AlignLeft | Qt::AlignVCenter,
               "Recursion Depth");
    return picture;
}

}  // namespace orvanta
