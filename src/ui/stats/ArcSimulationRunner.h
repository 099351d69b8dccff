// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFutureWatcher>
#include <QObject>

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "core/stats/ArcSimulation.h"

namespace orvanta {

// Runs the arcs' simulation on Qt's thread pool, so that the window never waits
// for it. A new start cancels the run in progress, whose answer is then dropped;
// starting again for the same spins and arcs keeps the answer already found.
class ArcSimulationRunner : public QObject {
    Q_OBJECT
public:
    explicit ArcSimulationRunner(QObject* parent = nullptr);
    ~ArcSimulationRunner() override;

    void Start(std::int64_t spins, const std::vector<HottestArc>& arcs);
    void Cancel();

    bool running() const;
    // Whether the run last started, running or done, is for these spins and arcs.
    bool IsFor(std::int64_t spins, const std::vector<HottestArc>& arcs) const;
    // Its answer, once it is there and if it is for these.
    std::optional<ArcSearchPValues> ResultFor(std::int64_t spins, const std::vector<HottestArc>& arcs) const;

signals:
    void finished();

private:
    void TakeResult();

    QFutureWatcher<ArcSearchPValues> watcher_;
    std::stop_source stop_;
    std::int64_t spins_ = -1;
    std::vector<HottestArc> arcs_;
    std::optional<ArcSearchPValues> result_;
};

}  // namespace orvanta
