// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChartView>

#include <array>

#include "core/stats/WheelBias.h"

class QAreaSeries;
class QBarCategoryAxis;
class QBarSet;
class QLineSeries;
class QStackedBarSeries;
class QValueAxis;

namespace orvanta {

// The counts of a report in wheel order, each bar in its pocket's colour, over the
// count a fair wheel expects and the band of two standard deviations around it, in
// which about 95 % of a fair wheel's counts fall.
class BiasChart : public QChartView {
    Q_OBJECT
public:
    explicit BiasChart(QWidget* parent = nullptr);

    void SetReport(const WheelBiasReport& report);

    // The count shown for each pocket, in wheel order.
    std::array<qreal, kPocketCount> shownCounts() const;
    QLineSeries* expectedLine() const { return expected_; }
    QValueAxis* countAxis() const { return countAxis_; }

private:
    void FitPocketLabels(const QRectF& plotArea);

    // A count's bar lies in the set of its pocket's colour; the others hold 0 there.
    QStackedBarSeries* bars_ = nullptr;
    std::array<QBarSet*, 3> sets_{};  // green, red, black
    QLineSeries* expected_ = nullptr;
    QLineSeries* bandTop_ = nullptr;
    QLineSeries* bandBottom_ = nullptr;
    QAreaSeries* band_ = nullptr;
    QBarCategoryAxis* pocketAxis_ = nullptr;
    QValueAxis* countAxis_ = nullptr;
    QFont labelFont_;  // the pocket labels' size where they have room
};

}  // namespace orvanta
