// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TabControl.h"

#include <QTabBar>

#include "ui/Twips.h"

namespace orvanta {

namespace {

class TabStrip : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    // Tabs share out the row's spare width, so the strip fills the control's width.
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        size.setHeight(TabControl::kStripHeight);
        const int available = parentWidget() != nullptr ? parentWidget()->width() : 0;
        int natural = 0;
        for (int i = 0; i < count(); ++i) {
            natural += QTabBar::tabSizeHint(i).width();
        }
        if (available > natural) {
            const int slack = available - natural;
            size.rwidth() += slack / count() + (index < slack % count() ? 1 : 0);
        }
        return size;
    }
};

}  // namespace

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {
    auto* strip = new TabStrip(this);
    strip->setExpanding(false);
    strip->setUsesScrollButtons(false);
    strip->setElideMode(Qt::ElideNone);
    strip->setDrawBase(false);
    setTabBar(strip);
    // No frame around the pages, so a page's origin is exactly the strip's height down.
    setDocumentMode(true);
}

void TabControl::Place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(PageRect({left, top, width, height}));
}

QSize TabControl::PageSize() {
    return {TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips) - kStripHeight};
}

QRect TabControl::PageRect(const TwipsBox& box) {
    return TwipsRect(box.left, box.top, box.width, box.height).translated(0, -kStripHeight);
}

}  // namespace orvanta
