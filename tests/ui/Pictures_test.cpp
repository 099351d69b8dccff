// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Pictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ui/LayoutTables.h"
#include "ui/Twips.h"

#include "support/TableMarks.h"

namespace orvanta {
namespace {

struct PictureCase {
    const char* stem;
    QSize size;
};

QPixmap Load(const char* stem) {
    const QString name = QString::fromLatin1(stem);
    if (name.startsWith("table")) {
        return TablePicture(name.mid(5).toInt());
    }
    if (name.startsWith("background")) {
        return BackgroundPicture(name.mid(10).toInt());
    }
    return SplashPicture();
}

class PictureSizeTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureSizeTest, LoadsAtItsOwnSizeAndTwiceThatForDenseScreens) {
    const PictureCase& c = GetParam();
    const QPixmap picture = Load(c.stem);
    ASSERT_FALSE(picture.isNull()) << c.stem;
    EXPECT_EQ(picture.size(), c.size);

    const QPixmap dense = PictureResource(c.stem, 2.0);
    ASSERT_FALSE(dense.isNull()) << c.stem;
    EXPECT_EQ(dense.size(), c.size * 2);
    EXPECT_EQ(dense.devicePixelRatio(), 2.0);
    EXPECT_EQ(dense.deviceIndependentSize().toSize(), c.size);
}

INSTANTIATE_TEST_SUITE_P(
    AllPictures, PictureSizeTest,
    ::testing::Values(PictureCase{"table1", {280, 478}}, PictureCase{"table2", {280, 478}},
                      PictureCase{"table3", {280, 478}}, PictureCase{"table4", {280, 478}},
                      PictureCase{"table5", {280, 478}}, PictureCase{"table6", {280, 478}},
                      PictureCase{"table7", {280, 478}}, PictureCase{"table8", {280, 478}},
                      PictureCase{"background1", {785, 510}}, PictureCase{"background2", {785, 510}},
                      PictureCase{"background3", {785, 510}}, PictureCase{"background4", {785, 510}},
                      PictureCase{"background5", {785, 510}}, PictureCase{"splash", {429, 227}}));

TEST(Pictures, IndexesOutsideTheListGiveNoPicture) {
    for (int index : {-1, 0, 9}) {
        EXPECT_TRUE(TablePicture(index).isNull()) << index;
    }
    for (int index : {0, 6}) {
        EXPECT_TRUE(BackgroundPicture(index).isNull()) << index;
    }
}

TEST(Pictures, WindowIconHasEverySize) {
    const QIcon icon = WindowIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {48, 64, 128, 256}) {
        EXPECT_EQ(icon.pixmap(QSize(size, size), 1.0).size(), QSize(size, size)) << size;
    }
    EXPECT_TRUE(icon.availableSizes().contains(QSize(48, 48)));
}

double Distance(QRgb a, QRgb b) {
    const double r = qRed(a) - qRed(b);
    const double g = qGreen(a) - qGreen(b);
    const double bl = qBlue(a) - qBlue(b);
    return std::sqrt(r * r + g * g + bl * bl);
}

// A number must be painted where its click area is: the middle of the area shows
// the number's oval and figure, which stand out clearly from the ground of the
// cell in the area's corner.
class TableArtTest : public ::testing::TestWithParam<int> {};

TEST_P(TableArtTest, EveryNumberIsPaintedUnderItsClickArea) {
    const int style = GetParam();
    for (qreal ratio : {1.0, 2.0}) {
        const QImage picture = PictureResource(QStringLiteral("table%1").arg(style), ratio).toImage();
        ASSERT_FALSE(picture.isNull());
        for (int n = 0; n < static_cast<int>(kTableNumBoxes.size()); ++n) {
            const TwipsBox& area = kTableNumBoxes[static_cast<std::size_t>(n)];
            const double left = double(area.left - kTablePictureBox.left) / kTwipsPerPixel;
            const double top = double(area.top - kTablePictureBox.top) / kTwipsPerPixel;
            const double width = double(area.width) / kTwipsPerPixel;
            const double height = double(area.height) / kTwipsPerPixel;
            const QPoint centre(int((left + width / 2) * ratio), int((top + height / 2) * ratio));
            const QRgb ground = picture.pixel(int((left + 4) * ratio), int((top + 4) * ratio));
            // The very middle may fall on the soft edge between a figure and its oval,
            // so the strongest contrast within two pixels of it counts.
            double contrast = 0;
            const int reach = int(2 * ratio);
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    contrast = std::max(contrast, Distance(picture.pixel(centre + QPoint(dx, dy)), ground));
                }
            }
            EXPECT_GT(contrast, 90.0) << "table " << style << " at " << ratio << "x, number " << n;
        }
    }
}

// Wherever a number's box is painted, a click records that number: the box lies inside
// its click area (with its outline) and clear of the theme caption and its white outline.
TEST(TableLayout, EveryNumberBoxLiesInsideItsClickAreaBelowTheCaption) {
    const QRectF caption = QRectF(testing::InTablePicture(kTableNameBox)).adjusted(-1, -1, 1, 1);
    for (int n = 0; n < static_cast<int>(kTableNumBoxes.size()); ++n) {
        const QRectF outlined = testing::MarkBox(n).adjusted(-0.5, -0.5, 0.5, 0.5);
        EXPECT_TRUE(QRectF(testing::InTablePicture(kTableNumBoxes[std::size_t(n)])).contains(outlined)) << n;
        EXPECT_FALSE(outlined.intersects(caption)) << n;
    }
}

// Every picture paints each box where the layout puts it. Walking pixel by pixel from
// outside the box in across the middle of each side, the sharpest change of colour (the
// box's rim) lies within two pixels of the side, in every style and at both densities.
TEST_P(TableArtTest, EveryNumberBoxIsPaintedWhereTheLayoutPutsIt) {
    const int style = GetParam();
    for (const int ratio : {1, 2}) {
        const QImage picture = PictureResource(QStringLiteral("table%1").arg(style), ratio).toImage();
        // The pixel whose centre lies t picture pixels inward from a side.
        const auto at = [&](QPointF side, QPointF inward, double t) {
            const QPointF p = (side + inward * t) * ratio;
            return picture.pixel(int(std::floor(p.x())), int(std::floor(p.y())));
        };
        for (int n = 0; n < static_cast<int>(kTableNumBoxes.size()); ++n) {
            const QRectF box = testing::MarkBox(n);
            const QPointF c = box.center();
            const std::pair<QPointF, QPointF> sides[] = {
                {{box.left(), c.y()}, {1, 0}},
                {{box.right(), c.y()}, {-1, 0}},
                {{c.x(), box.top()}, {0, 1}},
                {{c.x(), box.bottom()}, {0, -1}},
            };
            for (const auto& [side, inward] : sides) {
                double sharpest = 0;
                double where = 0;
                // From 3 pixels outside (short of the cell's own border) to 2.5 inside
                // (short of the figure).
                for (int j = -3 * ratio; j < 5 * ratio / 2; ++j) {
                    const double t = (j + 0.5) / ratio;
                    const double change = Distance(at(side, inward, t), at(side, inward, t + 1.0 / ratio));
                    if (change > sharpest) {
                        sharpest = change;
                        where = (j + 1.0) / ratio;
                    }
                }
                EXPECT_LE(std::abs(where), 2.0) << "table " << style << " at " << ratio << "x, number " << n
                                                << ", side at " << side.x() << "," << side.y();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, TableArtTest, ::testing::Range(1, kTablePictureCount + 1));

// The places of the controls are filled in each background. The sliders do not cover
// their boxes, so there the fill shows, and it must not be a placeholder's lime green.
class BackgroundArtTest : public ::testing::TestWithParam<int> {};

TEST_P(BackgroundArtTest, NoPlaceholderGreenShowsAroundTheSliders) {
    const QRect origin = TwipsRect(kBackgroundBox.left, kBackgroundBox.top, 0, 0);
    for (qreal ratio : {1.0, 2.0}) {
        const QImage picture =
            PictureResource(QStringLiteral("background%1").arg(GetParam()), ratio).toImage();
        for (const TwipsBox& box : {kRunLengthSliderBox, kDepthSliderBox}) {
            const QRect place =
                TwipsRect(box.left, box.top, box.width, box.height).translated(-origin.topLeft());
            int lime = 0;
            for (int y = int(place.top() * ratio); y < int((place.bottom() + 1) * ratio); ++y) {
                for (int x = int(place.left() * ratio); x < int((place.right() + 1) * ratio); ++x) {
                    const QRgb p = picture.pixel(x, y);
                    lime += qGreen(p) > 200 && qRed(p) < 100 && qBlue(p) < 100 ? 1 : 0;
                }
            }
            EXPECT_EQ(lime, 0) << "background " << GetParam() << " at " << ratio << "x";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, BackgroundArtTest, ::testing::Range(1, kBackgroundPictureCount + 1));

}  // namespace
}  // namespace orvanta
