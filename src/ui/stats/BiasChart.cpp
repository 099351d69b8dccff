// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stats/BiasChart.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/charts/StatChart.h"
#include "ui/stats/ChartLook.h"

namespace orvanta {

namespace {

// The category axis puts pocket i at x = i; the lines reach the outer edges of the first and last bar.
constexpr qreal kLeftEdge = -0.5;
constexpr qreal kRightEdge = kPocketCount - 0.5;

std::size_t SetOf(int number) {
    return number == 0 ? 0 : (IsRedNumber(number) ? 1 : 2);
}

void SetLevel(QLineSeries* line, qreal y) {
    line->replace(QList<QPointF>{{kLeftEdge, y}, {kRightEdge, y}});
}

}  // namespace

BiasChart::BiasChart(QWidget* parent) : QChartView(parent) {
    const QFont small = UsePlainChartLook(*this);
    QChart* view = chart();

    bandTop_ = new QLineSeries(this);
    bandBottom_ = new QLineSeries(this);
    band_ = new QAreaSeries(bandTop_, bandBottom_);
    band_->setName(QStringLiteral("Fair range (\u00b12\u03c3)"));
    band_->setColor(QColor(120, 150, 200, 60));
    band_->setBorderColor(QColor(120, 150, 200, 110));

    bars_ = new QStackedBarSeries;
    bars_->setBarWidth(0.75);
    const std::array<QColor, 3> colours = {QColor(0, 140, 60), QColor(200, 20, 30), QColor(35, 35, 35)};
    const std::array<QString, 3> names = {QStringLiteral("Zero"), QStringLiteral("Red"),
                                          QStringLiteral("Black")};
    QStringList pockets;
    for (const int number : kWheelOrder) {
        pockets << QString::number(number);
    }
    for (std::size_t s = 0; s < sets_.size(); ++s) {
        sets_[s] = new QBarSet(names[s]);
        sets_[s]->setColor(colours[s]);
        sets_[s]->setBorderColor(colours[s]);
        sets_[s]->append(QList<qreal>(kPocketCount, 0.0));
        bars_->append(sets_[s]);
    }

    expected_ = new QLineSeries;
    expected_->setName(QStringLiteral("Expected"));
    QPen pen(QColor(30, 90, 170), 1.5, Qt::DashLine);
    expected_->setPen(pen);

    // Drawn in the order added: the band behind the bars, the expected level over them.
    view->addSeries(band_);
    view->addSeries(bars_);
    view->addSeries(expected_);

    pocketAxis_ = new QBarCategoryAxis(this);
    pocketAxis_->append(pockets);
    // 37 labels share the width; cutting them to "..." would leave none readable.
    pocketAxis_->setTruncateLabels(false);
    pocketAxis_->setGridLineVisible(false);
    countAxis_ = new QValueAxis(this);
    countAxis_->setLabelFormat(QStringLiteral("%d"));
    pocketAxis_->setLabelsFont(small);
    labelFont_ = small;
    connect(view, &QChart::plotAreaChanged, this, &BiasChart::FitPocketLabels);
    countAxis_->setLabelsFont(small);
    view->addAxis(pocketAxis_, Qt::AlignBottom);
    view->addAxis(countAxis_, Qt::AlignLeft);
    for (QAbstractSeries* series : view->series()) {
        series->attachAxis(pocketAxis_);
        series->attachAxis(countAxis_);
    }

    view->legend()->setAlignment(Qt::AlignTop);
    view->legend()->setFont(small);
    for (QLegendMarker* marker : view->legend()->markers(bars_)) {
        marker->setVisible(false);
    }
    SetReport(ComputeWheelBias({}));
}

void BiasChart::SetReport(const WheelBiasReport& report) {
    std::int64_t highest = 0;
    for (std::size_t position = 0; position < report.numbers.size(); ++position) {
        const NumberFigures& figures = report.numbers[position];
        const std::size_t own = SetOf(figures.number);
        for (std::size_t s = 0; s < sets_.size(); ++s) {
            const qreal value = s == own ? static_cast<qreal>(figures.count) : 0.0;
            if (sets_[s]->at(static_cast<qsizetype>(position)) != value) {
                sets_[s]->replace(static_cast<qsizetype>(position), value);
            }
        }
        highest = std::max(highest, figures.count);
    }

    const double n = static_cast<double>(report.spins);
    const double expected = n / kPocketCount;
    const double twoSigma = 2.0 * std::sqrt(n * (1.0 / kPocketCount) * (36.0 / kPocketCount));
    SetLevel(expected_, expected);
    SetLevel(bandTop_, expected + twoSigma);
    SetLevel(bandBottom_, std::max(0.0, expected - twoSigma));

    // Room above the highest bar and the band, in steps a reader can count in.
    const double top = std::max({static_cast<double>(highest), expected + twoSigma, 1.0}) * 1.05;
    const ValueAxisScale scale = ScaleValueAxis(
        static_cast<int>(std::min<double>(std::ceil(top), std::numeric_limits<int>::max())), 5);
    countAxis_->setRange(0, scale.top);
    countAxis_->setTickCount(scale.intervals + 1);
}

void BiasChart::FitPocketLabels(const QRectF& plotArea) {
    // Qt drops a label wider than its pocket, so in a narrow chart the labels shrink
    // until two digits fit, and only then stand upright.
    const qreal perPocket = plotArea.width() / kPocketCount;
    QFont labels = labelFont_;
    while (labels.pointSizeF() > 5.0 &&
           QFontMetricsF(labels).horizontalAdvance(QStringLiteral("00")) + 2 > perPocket) {
        labels.setPointSizeF(labels.pointSizeF() - 0.5);
    }
    const bool upright = QFontMetricsF(labels).horizontalAdvance(QStringLiteral("00")) + 2 > perPocket;
    if (labels != pocketAxis_->labelsFont()) {
        pocketAxis_->setLabelsFont(labels);
    }
    if (pocketAxis_->labelsAngle() != (upright ? -90 : 0)) {
        pocketAxis_->setLabelsAngle(upright ? -90 : 0);
    }
}

std::array<qreal, kPocketCount> BiasChart::shownCounts() const {
    std::array<qreal, kPocketCount> counts{};
    for (std::size_t position = 0; position < counts.size(); ++position) {
        for (const QBarSet* set : sets_) {
            counts[position] += set->at(static_cast<qsizetype>(position));
        }
    }
    return counts;
}

}  // namespace orvanta
