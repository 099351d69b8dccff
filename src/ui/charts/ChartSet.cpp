// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/ChartSet.h"

#include <QTabWidget>

#include <algorithm>
#include <map>
#include <utility>

#include "ui/LayoutTables.h"
#include "ui/TabControl.h"
#include "ui/TabOrder.h"
#include "ui/charts/StatChart.h"
#include "ui/widgets/StretchLayout.h"

namespace orvanta {

ChartSet::ChartSet(QTabWidget* tabs, TabOrder& tabOrder) : QObject(tabs) {
    std::map<int, StretchLayout*> layouts;
    for (const ChartPlace& place : kChartPlaces) {
        QWidget* page = tabs->widget(place.page);
        auto* chart = new StatChart(place.kind, place.index, page);
        TabControl::Place(chart, place.box);
        tabOrder.Set(chart, place.tabIndex);
        charts_.push_back(chart);

        StretchLayout*& layout = layouts[place.page];
        if (layout == nullptr) {
            layout = new StretchLayout(page, TabControl::PageSize());
            if (place.index == 0) {
                layout->SetProportional(true);
            } else {
                layout->AddColumnLine(chart->geometry().center().x());
                layout->AddRowLine(chart->geometry().center().y());
            }
        }
        layout->Add(chart);
    }
    // Refreshed kind by kind, instance 0 first, in the order of the chart kinds.
    std::ranges::stable_sort(charts_, {}, [](const StatChart* chart) {
        return std::pair(chart->index(), static_cast<int>(chart->kind()));
    });
}

void ChartSet::UpdateCharts(const SpinTallies& tallies) {
    for (StatChart* chart : charts_) {
        chart->UpdateFrom(tallies);
    }
}

}  // namespace orvanta
