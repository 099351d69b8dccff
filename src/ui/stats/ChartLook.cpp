// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stats/ChartLook.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>

#include <algorithm>

namespace orvanta {

QFont UsePlainChartLook(QChartView& view) {
    view.setRenderHint(QPainter::Antialiasing);
    view.setFrameShape(QFrame::NoFrame);
    QChart* chart = view.chart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 0, 6, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    QFont small = view.font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1.0));
    return small;
}

}  // namespace orvanta
