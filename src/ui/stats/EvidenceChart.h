// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChartView>

#include "core/stats/Evidence.h"

class QLineSeries;
class QLogValueAxis;
class QValueAxis;

namespace orvanta {

// The live evidence over the spins, on a log scale, where 1 is where it starts, 20
// the alarm and 100 the strong alarm, each a line across the chart.
class EvidenceChart : public QChartView {
    Q_OBJECT
public:
    explicit EvidenceChart(QWidget* parent = nullptr);

    void SetReport(const EvidenceReport& report);

    QLineSeries* evidenceLine() const { return evidence_; }
    QLogValueAxis* evidenceAxis() const { return evidenceAxis_; }

private:
    QLineSeries* evidence_ = nullptr;
    QLineSeries* alarm_ = nullptr;
    QLineSeries* strongAlarm_ = nullptr;
    QValueAxis* spinAxis_ = nullptr;
    QLogValueAxis* evidenceAxis_ = nullptr;
};

}  // namespace orvanta
