// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stats/EvidenceChart.h"

#include <QChart>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "ui/stats/ChartLook.h"

namespace orvanta {

namespace {

// A log axis cannot show 0 or infinity: figures beyond these are drawn at them.
constexpr double kLowest = 1e-6;
constexpr double kHighest = 1e300;

QLineSeries* Level(const QString& name, const QColor& colour, QObject* parent) {
    auto* line = new QLineSeries(parent);
    line->setName(name);
    line->setPen(QPen(colour, 1.5, Qt::DashLine));
    return line;
}

}  // namespace

EvidenceChart::EvidenceChart(QWidget* parent) : QChartView(parent) {
    const QFont small = UsePlainChartLook(*this);
    QChart* view = chart();

    evidence_ = new QLineSeries(this);
    evidence_->setName(QStringLiteral("Evidence"));
    evidence_->setPen(QPen(QColor(30, 90, 170), 2));
    alarm_ = Level(QStringLiteral("Alarm (20)"), QColor(220, 120, 0), this);
    strongAlarm_ = Level(QStringLiteral("Strong alarm (100)"), QColor(200, 20, 30), this);
    for (QLineSeries* series : {alarm_, strongAlarm_, evidence_}) {
        view->addSeries(series);
    }

    spinAxis_ = new QValueAxis(this);
    spinAxis_->setLabelFormat(QStringLiteral("%d"));
    spinAxis_->setLabelsFont(small);
    spinAxis_->setTitleText(QStringLiteral("Spins"));
    spinAxis_->setTitleFont(small);
    evidenceAxis_ = new QLogValueAxis(this);
    evidenceAxis_->setBase(10);
    evidenceAxis_->setLabelFormat(QStringLiteral("%g"));
    evidenceAxis_->setLabelsFont(small);
    view->addAxis(spinAxis_, Qt::AlignBottom);
    view->addAxis(evidenceAxis_, Qt::AlignLeft);
    for (QAbstractSeries* series : view->series()) {
        series->attachAxis(spinAxis_);
        series->attachAxis(evidenceAxis_);
    }
    view->legend()->setAlignment(Qt::AlignTop);
    view->legend()->setFont(small);
    SetReport(ComputeEvidence({}));
}

void EvidenceChart::SetReport(const EvidenceReport& report) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(report.path.size()));
    double lowest = 1.0;
    double highest = 1.0;
    for (const EvidencePoint& point : report.path) {
        const double e = std::clamp(point.eValue, kLowest, kHighest);
        points.append({static_cast<qreal>(point.spin), e});
        lowest = std::min(lowest, e);
        highest = std::max(highest, e);
    }
    evidence_->replace(points);

    // Whole powers of ten, the alarms always in sight.
    const double top = std::pow(10.0, std::ceil(std::log10(std::max(highest * 2, 1000.0))));
    const double bottom = std::pow(10.0, std::floor(std::log10(std::min(lowest / 2, 0.1))));
    spinAxis_->setRange(0, std::max<qreal>(10, static_cast<qreal>(report.spins)));
    spinAxis_->applyNiceNumbers();
    const qreal right = spinAxis_->max();
    alarm_->replace(QList<QPointF>{{0, kEvidenceAlarm}, {right, kEvidenceAlarm}});
    strongAlarm_->replace(QList<QPointF>{{0, kEvidenceStrongAlarm}, {right, kEvidenceStrongAlarm}});
    evidenceAxis_->setRange(bottom, top);
}

}  // namespace orvanta
