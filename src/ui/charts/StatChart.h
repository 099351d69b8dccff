// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChartView>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

#include "core/charts/ChartStatistics.h"

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QPieSeries;
class QPieSlice;
class QValueAxis;

namespace orvanta {

// The value axis of the bar view: from 0 to top in intervals equal whole-number steps.
struct ValueAxisScale {
    int top = 1;
    int intervals = 1;

    bool operator==(const ValueAxisScale&) const = default;
};

// The smallest axis of steps 1, 2 or 5 times a power of ten that reaches maxValue in at
// most maxIntervals steps, so every tick label is a whole number a user can read off.
ValueAxisScale ScaleValueAxis(int maxValue, int maxIntervals);

// The legend line of a point: its name, then its count text once counted ("Red  17").
QString LegendText(const ChartPoint& point);

// One chart instance: the model of one chart kind shown as bars or as a pie.
//
// UpdateFrom only writes the model; the Qt series follow it when the chart is visible
// and about to paint, so a long run of spins costs one series update per frame.
class StatChart : public QChartView {
    Q_OBJECT
public:
    static constexpr int kBarType = 1;
    static constexpr int kPieType = 14;

    StatChart(ChartKind kind, int index, QWidget* parent = nullptr);

    ChartKind kind() const { return kind_; }
    int index() const { return index_; }
    int chartType() const { return type_; }
    const ChartModel& model() const { return model_; }

    // Rewrites every point's value and count label from the tallies.
    void UpdateFrom(const SpinTallies& tallies);

    // Bar becomes pie; anything else becomes bar.
    void ToggleChartType();

    // Until the first spin the chart shows the layout's placeholder values, marked as
    // a sample so that nobody takes them for data.
    bool isSample() const { return sample_; }
    static QString SampleNote();

    // The legend entries as drawn, in point order: the shown series' labels.
    QStringList legendTexts() const;
    // Where the legend stands, in the chart's coordinates.
    QRectF legendRect() const { return legendRect_; }

    QBarSeries* barSeries() const { return bars_; }
    QPieSeries* pieSeries() const { return pie_; }
    QValueAxis* valueAxis() const { return valueAxis_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    void BuildSeries();
    void ShowType(int type);
    void MarkStale();
    void SyncIfStale();
    void SyncSeries();
    int MaxAxisIntervals() const;
    void LayOutLegend();
    void Describe();
    void DrawSampleNote(QPainter& painter) const;
    QString EntryText(std::size_t p) const;
    QColor EntryColor(std::size_t p) const;

    ChartKind kind_;
    int index_;
    int type_ = kBarType;
    ChartModel model_;
    bool sample_ = true;
    bool stale_ = false;
    bool syncQueued_ = false;
    bool leftPressed_ = false;

    // Both views live as long as the chart; the one not shown is parented to the view.
    QBarSeries* bars_ = nullptr;
    std::vector<QBarSet*> barSets_;
    QBarCategoryAxis* groupAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    QPieSeries* pie_ = nullptr;
    std::vector<QPieSlice*> slices_;

    // Qt's own legend keeps to one column, which cannot hold thirteen entries in a
    // small chart; this one flows into as many columns as the height needs.
    QFont font_;
    QRectF legendRect_;
    std::vector<QRectF> entryRects_;
};

}  // namespace orvanta
