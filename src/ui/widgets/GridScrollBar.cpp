// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/GridScrollBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

namespace orvanta {

namespace {

constexpr int kEighthsPerNotch = 120;

}  // namespace

GridScrollBar::GridScrollBar(int rowsPerPage, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), rowsPerPage_(rowsPerPage) {
    setFocusPolicy(Qt::StrongFocus);
    setRange(0, 0);
    setSingleStep(1);
    setPageStep(1);
    setTracking(true);
}

bool GridScrollBar::IsScrollKey(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

// Qt's own wheel handling moves at most one page step a notch, which is one row here.
void GridScrollBar::wheelEvent(QWheelEvent* event) {
    const bool byPage = (event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) != 0;
    const int rowsPerNotch = byPage ? rowsPerPage_ : QApplication::wheelScrollLines();
    if ((wheelEighths_ < 0) != (event->angleDelta().y() < 0)) {
        wheelEighths_ = 0;  // turned the other way
    }
    wheelEighths_ += event->angleDelta().y();
    const int rows = wheelEighths_ * rowsPerNotch / kEighthsPerNotch;
    wheelEighths_ -= rows * kEighthsPerNotch / rowsPerNotch;
    // Turning the wheel down brings older rows into view, as in every list.
    setValue(value() - rows);
    event->accept();
}

void GridScrollBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            triggerAction(SliderSingleStepSub);
            break;
        case Qt::Key_Down:
            triggerAction(SliderSingleStepAdd);
            break;
        case Qt::Key_PageUp:
            setValue(value() - rowsPerPage_);
            break;
        case Qt::Key_PageDown:
            setValue(value() + rowsPerPage_);
            break;
        case Qt::Key_Home:
            triggerAction(SliderToMinimum);
            break;
        case Qt::Key_End:
            triggerAction(SliderToMaximum);
            break;
        default:
            QScrollBar::keyPressEvent(event);
            return;
    }
    event->accept();
}

// The desktop style draws no focus on a scroll bar; one that takes the focus must show it.
void GridScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace orvanta
