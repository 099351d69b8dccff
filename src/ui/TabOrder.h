// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <utility>
#include <vector>

class QWidget;

namespace orvanta {

// The order Tab walks the controls in, by the layout's tab index: each part of the
// window numbers its own controls, and the order is set once they all exist.
class TabOrder {
public:
    void Set(QWidget* control, int index) { controls_.emplace_back(index, control); }
    // Labels keep a number in the layout but never take the focus.
    void Apply();

private:
    std::vector<std::pair<int, QWidget*>> controls_;
};

}  // namespace orvanta
