// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <vector>

#include "core/model/SpinModel.h"

class QTabWidget;

namespace orvanta {

class StatChart;
class TabOrder;

// The sixteen charts: the eight small ones of "Statistics Summary" and one large chart
// on each kind's own page. A larger window gives them more room: the small charts keep
// their share of the summary page, a large chart keeps its margins and takes the rest.
class ChartSet : public QObject {
    Q_OBJECT
public:
    ChartSet(QTabWidget* tabs, TabOrder& tabOrder);

    // Brings every chart in line with the tallies, kind by kind, instance 0 first.
    void UpdateCharts(const SpinTallies& tallies);

    const std::vector<StatChart*>& charts() const { return charts_; }

private:
    std::vector<StatChart*> charts_;  // instance 0 of every kind, then instance 1
};

}  // namespace orvanta
