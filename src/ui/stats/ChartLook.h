// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

class QChartView;

namespace orvanta {

// The look the wheel-bias window's charts share: flat, without animation, with tight
// margins. Returns the smaller font of their labels and legends.
QFont UsePlainChartLook(QChartView& view);

}  // namespace orvanta
