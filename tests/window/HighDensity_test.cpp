// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ui/LayoutTables.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"

#include "support/TableMarks.h"
#include "support/WindowFixture.h"

// This whole program runs as on a 1920 x 1200 screen of twice the usual density, which
// the window fits: the factor and the screen have to be in place before the application
// object exists, which static initialisation is.
static const bool kDoubleDensity = [] {
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ORVANTA_SCREENS_DIR "/wide.json");
    return true;
}();

namespace orvanta {
namespace {

double Distance(QRgb a, QRgb b) {
    const double r = qRed(a) - qRed(b);
    const double g = qGreen(a) - qGreen(b);
    const double bl = qBlue(a) - qBlue(b);
    return std::sqrt(r * r + g * g + bl * bl);
}

class HighDensityTest : public testing::WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(kDoubleDensity);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }

    QWidget* area(int n) const { return window_.findChild<QWidget*>(QStringLiteral("TableNum_%1").arg(n)); }
};

TEST_F(HighDensityTest, LayoutKeepsItsLogicalSizeAndDoublesItsPixels) {
    EXPECT_EQ(window_.devicePixelRatio(), 2.0);
    EXPECT_EQ(window_.centralWidget()->size(), QSize(TwipsToPixels(MainWindow::kClientWidthTwips),
                                                     TwipsToPixels(MainWindow::kClientHeightTwips)));
    const QPixmap window = window_.grab();
    EXPECT_EQ(window.devicePixelRatio(), 2.0);
    EXPECT_EQ(window.size(), window_.size() * 2);
}

TEST_F(HighDensityTest, PicturesAreTheTwiceAsDenseArtwork) {
    for (const char* name : {"imgTable", "imgTheme"}) {
        const QPixmap picture = window_.findChild<QLabel*>(name)->pixmap();
        EXPECT_EQ(picture.devicePixelRatio(), 2.0) << name;
    }
    EXPECT_EQ(window_.findChild<QLabel*>("imgTable")->pixmap().size(), QSize(560, 956));
}

// Sharp means the window shows the dense artwork pixel for pixel, not the ordinary
// picture blown up: below the caption, the table on screen is the 2x picture itself.
TEST_F(HighDensityTest, TableIsDrawnPixelForPixel) {
    const auto* table = window_.findChild<QLabel*>("imgTable");
    const QImage window = window_.grab().toImage();
    const QImage art = table->pixmap().toImage().convertToFormat(window.format());
    ASSERT_EQ(art.size(), QSize(560, 956));
    const QPoint origin = table->mapTo(&window_, QPoint(0, 0)) * 2;
    int differing = 0;
    int compared = 0;
    for (int y = 80; y < art.height(); y += 3) {
        for (int x = 0; x < art.width(); x += 3) {
            ++compared;
            differing += Distance(window.pixel(origin + QPoint(x, y)), art.pixel(x, y)) > 8.0 ? 1 : 0;
        }
    }
    EXPECT_LT(differing, compared / 100) << differing << " of " << compared;
}

// Clicks go through the window as the screen delivers them, at logical positions the
// scaled window has to hit-test: a click anywhere on a number's painted box, up to its
// edges, records that number.
TEST_F(HighDensityTest, ClickOnEveryNumberUpToItsEdgesRecordsIt) {
    const QWidget* table = window_.findChild<QWidget*>("imgTable");
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        for (const QPointF& point : testing::MarkEdgePoints(n, 0.5)) {
            const QPoint at = table->mapTo(&window_, point.toPoint());
            const int before = window_.model().SpinCount();
            QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, at);
            ASSERT_EQ(window_.model().SpinCount(), before + 1)
                << n << " at " << point.x() << "," << point.y();
            EXPECT_EQ(int(window_.model().Spins().back()), n);
        }
    }
}

}  // namespace
}  // namespace orvanta
