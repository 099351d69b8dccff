// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/StatChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFocusEvent>
#include <QGraphicsLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QStyleOptionFocusRect>
#include <QValueAxis>

#include <algorithm>
#include <array>

#include "ui/QtConvert.h"

namespace orvanta {

namespace {

QFont ChartFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    return font;
}

constexpr int kLegendMarker = 8;  // side of an entry's colour square
constexpr int kLegendGap = 4;     // between square and text
constexpr int kLegendColumnGap = 8;
constexpr int kChartMargin = 3;
constexpr int kAxisLabelRoom = 12;  // tick mark and padding beside a tick label
constexpr int kMinPlotWidth = 60;
constexpr int kNotePadding = 3;

// Vertical room one axis step needs so that its tick label never touches the next.
constexpr int kPixelsPerAxisStep = 24;

}  // namespace

ValueAxisScale ScaleValueAxis(int maxValue, int maxIntervals) {
    maxIntervals = std::max(1, maxIntervals);
    maxValue = std::max(0, maxValue);
    // Counts stay far below this, but a step must never overflow while it grows.
    for (long long power = 1; power <= 1'000'000'000LL; power *= 10) {
        for (const long long factor : std::array{1LL, 2LL, 5LL}) {
            const long long step = factor * power;
            const long long intervals = std::max(1LL, (maxValue + step - 1) / step);
            if (intervals <= maxIntervals) {
                return {static_cast<int>(intervals * step), static_cast<int>(intervals)};
            }
        }
    }
    return {maxValue, 1};
}

QString LegendText(const ChartPoint& point) {
    QString text = FromStd(point.Label);
    if (!point.CountLabel.empty()) {
        // The count text brings its own leading blank; one more keeps it apart from the name.
        text += QLatin1Char(' ');
        text += FromStd(point.CountLabel);
    }
    return text;
}

StatChart::StatChart(ChartKind kind, int index, QWidget* parent)
    : QChartView(parent), kind_(kind), index_(index), model_(PlaceholderChartModel(kind)) {
    const ChartKindInfo& info = InfoOf(kind);
    setObjectName(FromStd(info.ArrayName) + QLatin1Char('_') + QString::number(index));
    setAccessibleName(FromStd(info.TabCaption) + QStringLiteral(" chart"));
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    setRenderHint(QPainter::Antialiasing);
    setInteractive(false);

    QChart* view = chart();
    view->setAnimationOptions(QChart::NoAnimation);
    view->setBackgroundRoundness(0);
    view->setMargins(QMargins(2, 2, 2, 2));
    view->layout()->setContentsMargins(0, 0, 0, 0);
    view->legend()->hide();
    font_ = ChartFont();

    BuildSeries();
    ShowType(kBarType);
}

void StatChart::BuildSeries() {
    const ChartKindInfo& info = InfoOf(kind_);

    bars_ = new QBarSeries(this);
    groupAxis_ = new QBarCategoryAxis(this);
    groupAxis_->append(FromStd(model_.GroupLabel));
    // The single group spans the whole plot; its label may be wider than Qt's share for it.
    groupAxis_->setTruncateLabels(false);
    valueAxis_ = new QValueAxis(this);
    valueAxis_->setLabelFormat(QStringLiteral("%d"));
    // Counts are short; a tight layout must not shorten them to "...".
    valueAxis_->setTruncateLabels(false);
    valueAxis_->setMinorTickCount(0);
    for (QAbstractAxis* axis : std::array<QAbstractAxis*, 2>{groupAxis_, valueAxis_}) {
        axis->setLabelsFont(ChartFont());
    }

    pie_ = new QPieSeries(this);
    pie_->setPieSize(0.9);

    for (std::size_t p = 0; p < model_.Points.size(); ++p) {
        const QColor color = ToQColor(info.Points[p].Color);
        const QString text = LegendText(model_.Points[p]);
        const qreal value = model_.Points[p].Value;

        auto* set = new QBarSet(text);
        set->setColor(color);
        set->setBorderColor(color);
        set->append(value);
        bars_->append(set);
        barSets_.push_back(set);

        auto* slice = new QPieSlice(text, value);
        slice->setColor(color);
        slice->setBorderColor(color);
        pie_->append(slice);
        slices_.push_back(slice);
    }
    // The bars of one group share its width; leave a margin on both sides.
    bars_->setBarWidth(0.8);
    SyncSeries();
}

void StatChart::ShowType(int type) {
    QChart* view = chart();
    if (type == kPieType) {
        if (view->series().contains(bars_)) {
            view->removeSeries(bars_);
            view->removeAxis(groupAxis_);
            view->removeAxis(valueAxis_);
            // Removing hands the objects back unowned; keep them with the view.
            for (QObject* object : std::array<QObject*, 3>{bars_, groupAxis_, valueAxis_}) {
                object->setParent(this);
            }
        }
        view->addSeries(pie_);
    } else {
        if (view->series().contains(pie_)) {
            view->removeSeries(pie_);
            pie_->setParent(this);
        }
        view->addSeries(bars_);
        view->addAxis(groupAxis_, Qt::AlignBottom);
        view->addAxis(valueAxis_, Qt::AlignLeft);
        bars_->attachAxis(groupAxis_);
        bars_->attachAxis(valueAxis_);
    }
    type_ = type;
    Describe();
    SyncSeries();
    viewport()->update();
}

void StatChart::UpdateFrom(const SpinTallies& tallies) {
    UpdateChartModel(model_, kind_, tallies);
    if (sample_) {
        sample_ = false;
        Describe();
        viewport()->update();
    }
    MarkStale();
}

QString StatChart::SampleNote() {
    return QStringLiteral("Sample \u2014 no spins yet");
}

void StatChart::Describe() {
    QString description = type_ == kPieType ? QStringLiteral("Pie view") : QStringLiteral("Bar view");
    if (sample_) {
        description += QStringLiteral(", ") + SampleNote();
    }
    setAccessibleDescription(description);
}

void StatChart::ToggleChartType() {
    ShowType(chartType() == kPieType ? kBarType : kPieType);
}

void StatChart::MarkStale() {
    if (stale_) {
        return;
    }
    stale_ = true;
    // A hidden chart waits for its show event; a visible one syncs once before the next paint.
    if (isVisible() && !syncQueued_) {
        syncQueued_ = true;
        QMetaObject::invokeMethod(this, &StatChart::SyncIfStale, Qt::QueuedConnection);
    }
}

void StatChart::SyncIfStale() {
    syncQueued_ = false;
    if (stale_ && isVisible()) {
        SyncSeries();
    }
}

void StatChart::SyncSeries() {
    stale_ = false;
    int maxValue = 0;
    for (std::size_t p = 0; p < model_.Points.size(); ++p) {
        const ChartPoint& point = model_.Points[p];
        const QString text = LegendText(point);
        maxValue = std::max(maxValue, point.Value);
        QBarSet* set = barSets_[p];
        if (set->at(0) != point.Value) {
            set->replace(0, point.Value);
        }
        if (set->label() != text) {
            set->setLabel(text);
        }
        QPieSlice* slice = slices_[p];
        if (slice->value() != point.Value) {
            slice->setValue(point.Value);
        }
        if (slice->label() != text) {
            slice->setLabel(text);
        }
    }
    const ValueAxisScale scale = ScaleValueAxis(maxValue, MaxAxisIntervals());
    if (valueAxis_->min() != 0 || valueAxis_->max() != scale.top) {
        valueAxis_->setRange(0, scale.top);
    }
    if (valueAxis_->tickCount() != scale.intervals + 1) {
        valueAxis_->setTickCount(scale.intervals + 1);
    }
    LayOutLegend();
}

QString StatChart::EntryText(std::size_t p) const {
    return type_ == kPieType ? slices_[p]->label() : barSets_[p]->label();
}

QColor StatChart::EntryColor(std::size_t p) const {
    return type_ == kPieType ? slices_[p]->color() : barSets_[p]->color();
}

QStringList StatChart::legendTexts() const {
    QStringList texts;
    for (std::size_t p = 0; p < model_.Points.size(); ++p) {
        texts.append(EntryText(p));
    }
    return texts;
}

void StatChart::LayOutLegend() {
    const QFontMetrics metrics(font_);
    const int lineHeight = metrics.height();
    const int count = static_cast<int>(model_.Points.size());
    const int available = std::max(lineHeight, height() - 2 * kChartMargin);
    const int columns = (count + available / lineHeight - 1) / std::max(1, available / lineHeight);
    const int rows = (count + columns - 1) / columns;

    entryRects_.assign(model_.Points.size(), QRectF());
    std::vector<int> columnWidths(static_cast<std::size_t>(columns), 0);
    for (int p = 0; p < count; ++p) {
        int& width = columnWidths[static_cast<std::size_t>(p / rows)];
        width = std::max(width, kLegendMarker + kLegendGap +
                                    metrics.horizontalAdvance(EntryText(static_cast<std::size_t>(p))));
    }
    int legendWidth = 0;
    for (const int width : columnWidths) {
        legendWidth += width;
    }
    legendWidth += (columns - 1) * kLegendColumnGap;

    const qreal left = width() - 2 * kChartMargin - legendWidth;
    const qreal top = std::max(kChartMargin, (height() - rows * lineHeight) / 2);
    qreal x = left;
    for (int p = 0; p < count; ++p) {
        const int column = p / rows;
        if (p > 0 && p % rows == 0) {
            x += columnWidths[static_cast<std::size_t>(column - 1)] + kLegendColumnGap;
        }
        entryRects_[static_cast<std::size_t>(p)] = QRectF(
            x, top + (p % rows) * lineHeight, columnWidths[static_cast<std::size_t>(column)], lineHeight);
    }
    const QRectF legend(left, top, legendWidth, rows * lineHeight);
    if (legend != legendRect_) {
        legendRect_ = legend;
        chart()->setMargins(
            QMargins(kChartMargin, kChartMargin, legendWidth + 3 * kChartMargin, kChartMargin));
        viewport()->update();
    }

    // A small chart with a wide legend cannot also spare the room of long tick labels
    // and still show its bars and group label; the legend states every count exactly,
    // so the tick labels give way.
    const int tickLabelWidth =
        metrics.horizontalAdvance(QString::number(static_cast<int>(valueAxis_->max()))) + kAxisLabelRoom;
    const int plotWidth = static_cast<int>(left) - 2 * kChartMargin - tickLabelWidth;
    const int neededWidth =
        std::max(kMinPlotWidth, metrics.horizontalAdvance(FromStd(model_.GroupLabel)) + 2 * kChartMargin);
    const bool showTickLabels = plotWidth >= neededWidth;
    if (valueAxis_->labelsVisible() != showTickLabels) {
        valueAxis_->setLabelsVisible(showTickLabels);
    }
}

void StatChart::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    painter->save();
    painter->setFont(font_);
    for (std::size_t p = 0; p < entryRects_.size(); ++p) {
        const QRectF entry = entryRects_[p];
        const QRectF marker(entry.left(), entry.center().y() - kLegendMarker / 2.0, kLegendMarker,
                            kLegendMarker);
        painter->fillRect(marker, EntryColor(p));
        painter->setPen(Qt::black);
        painter->drawText(entry.adjusted(kLegendMarker + kLegendGap, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter, EntryText(p));
    }
    if (sample_) {
        DrawSampleNote(*painter);
    }
    painter->restore();
}

// A label over the top of the plot, on a pale ground so that it reads over bars and slices.
void StatChart::DrawSampleNote(QPainter& painter) const {
    const QFontMetrics metrics(font_);
    const QString note = SampleNote();
    const QSizeF size(metrics.horizontalAdvance(note) + 2 * kNotePadding, metrics.height() + kNotePadding);
    const QRectF plot = chart()->plotArea();
    const qreal left = std::clamp(plot.center().x() - size.width() / 2, qreal(kChartMargin),
                                  std::max(qreal(kChartMargin), legendRect_.left() - size.width()));
    const QRectF box(QPointF(left, plot.top() + kChartMargin), size);
    painter.setPen(QColor(96, 96, 96));
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, note);
}

int StatChart::MaxAxisIntervals() const {
    return std::clamp(height() / kPixelsPerAxisStep, 2, 10);
}

void StatChart::showEvent(QShowEvent* event) {
    SyncIfStale();
    QChartView::showEvent(event);
}

void StatChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    // The number of axis steps that fit follows the height.
    MarkStale();
}

void StatChart::paintEvent(QPaintEvent* event) {
    // Normally synced already by the queued call; this catches a paint that comes first.
    SyncIfStale();
    QChartView::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(viewport());
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = viewport()->rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void StatChart::mousePressEvent(QMouseEvent* event) {
    // A chart that has never been shown has no scene layout yet, and the base view
    // crashes on a press it cannot place; no user can click it anyway.
    if (!isVisible()) {
        event->ignore();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = true;
    }
    QChartView::mousePressEvent(event);
}

// A click is a left press and release on the chart, as with a button.
void StatChart::mouseReleaseEvent(QMouseEvent* event) {
    if (!isVisible()) {
        event->ignore();
        return;
    }
    const bool click =
        event->button() == Qt::LeftButton && leftPressed_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = false;
    }
    QChartView::mouseReleaseEvent(event);
    if (click) {
        ToggleChartType();
    }
}

// Every key that types a character toggles, as a click does; other keys keep their meaning.
void StatChart::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty()) {
        ToggleChartType();
        event->accept();
        return;
    }
    QChartView::keyPressEvent(event);
}

void StatChart::focusInEvent(QFocusEvent* event) {
    QChartView::focusInEvent(event);
    viewport()->update();
}

void StatChart::focusOutEvent(QFocusEvent* event) {
    QChartView::focusOutEvent(event);
    viewport()->update();
}

// A scroll area leaves mouse events aimed at itself rather than its viewport
// unhandled; a chart takes them as clicks all the same.
bool StatChart::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            mousePressEvent(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            mouseReleaseEvent(static_cast<QMouseEvent*>(event));
            return true;
        default:
            return QChartView::event(event);
    }
}

}  // namespace orvanta
