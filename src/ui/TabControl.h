// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QTabWidget>

#include "ui/LayoutTables.h"

namespace orvanta {

// A tab control whose pages start a fixed distance below its top edge, so that
// controls measured from the control's corner land where the layout puts them.
// All tabs share one row and fill it, as a tabbed dialog does.
class TabControl : public QTabWidget {
    Q_OBJECT
public:
    // Height of the tab strip; the pages begin right under it.
    static constexpr int kStripHeight = 20;
    // The control's size at the window's first size.
    static constexpr int kWidthTwips = 11850;
    static constexpr int kHeightTwips = 8010;

    explicit TabControl(QWidget* parent = nullptr);

    // Places a control on a page, given its rectangle in twips measured from the
    // tab control's top-left corner.
    static void Place(QWidget* control, int left, int top, int width, int height);
    static void Place(QWidget* control, const TwipsBox& box) {
        Place(control, box.left, box.top, box.width, box.height);
    }
    // Where a box of the layout lies on its page, in pixels.
    static QRect PageRect(const TwipsBox& box);
    // A page's size at the window's first size.
    static QSize PageSize();
};

}  // namespace orvanta
