// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/SliderValue.h"

#include <QSlider>
#include <QStyle>
#include <QToolTip>

namespace orvanta {

namespace {

// Beside the handle, where the eye already is, as a tooltip beside the pointer.
void ShowTipAtHandle(QSlider* slider, const QString& text) {
    const int x = QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(),
                                                  slider->sliderPosition(), slider->width());
    const QPoint above = slider->mapToGlobal(QPoint(x, 0));
    QToolTip::showText(above, text, slider);
}

QString SliderValueText(const QString& caption, int value) {
    return QStringLiteral("%1: %2").arg(caption).arg(value);
}

}  // namespace

void ShowSliderValue(QSlider* slider, const QString& caption) {
    const auto describe = [slider, caption](int value) {
        const QString text = SliderValueText(caption, value);
        slider->setToolTip(text);
        slider->setAccessibleDescription(text);
    };
    describe(slider->value());
    QObject::connect(slider, &QSlider::valueChanged, slider, describe);
    // While dragging the value may lag the handle (tracking off); the handle's place counts.
    QObject::connect(slider, &QSlider::sliderMoved, slider, [slider, caption](int position) {
        ShowTipAtHandle(slider, SliderValueText(caption, position));
    });
    QObject::connect(slider, &QSlider::actionTriggered, slider, [slider, caption](int action) {
        if (action != QAbstractSlider::SliderMove) {  // a drag step, shown by sliderMoved
            ShowTipAtHandle(slider, SliderValueText(caption, slider->sliderPosition()));
        }
    });
}

}  // namespace orvanta
