// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QSlider;

namespace orvanta {

// A slider shows no number of its own. This one tells its value as "Run length: 5": as
// its tooltip on hover, in a tooltip over the handle while the user drags it or moves
// it by the keys or the wheel, and to a screen reader as its description (beside the
// value the slider itself reports). The slider's place and size stay as they are.
void ShowSliderValue(QSlider* slider, const QString& caption);

}  // namespace orvanta
