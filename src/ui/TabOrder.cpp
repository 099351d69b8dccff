// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TabOrder.h"

#include <QWidget>

#include <algorithm>

namespace orvanta {

void TabOrder::Apply() {
    std::ranges::stable_sort(controls_, {}, &std::pair<int, QWidget*>::first);
    QWidget* previous = nullptr;
    for (const auto& [index, control] : controls_) {
        if ((control->focusPolicy() & Qt::TabFocus) == 0) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

}  // namespace orvanta
