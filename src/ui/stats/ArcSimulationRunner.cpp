// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stats/ArcSimulationRunner.h"

#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace orvanta {

namespace {

// The simulation depends on the spins and the observed arcs' z, which follow from their counts.
bool SameArcs(const std::vector<HottestArc>& a, const std::vector<HottestArc>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const HottestArc& x, const HottestArc& y) {
        return x.length == y.length && x.count == y.count;
    });
}

}  // namespace

ArcSimulationRunner::ArcSimulationRunner(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFutureWatcher<ArcSearchPValues>::finished, this, &ArcSimulationRunner::TakeResult);
}

ArcSimulationRunner::~ArcSimulationRunner() {
    // The run checks its stop token between histories, so this wait is short.
    stop_.request_stop();
    watcher_.waitForFinished();
}

bool ArcSimulationRunner::IsFor(std::int64_t spins, const std::vector<HottestArc>& arcs) const {
    return spins == spins_ && SameArcs(arcs, arcs_) && (result_ || running());
}

std::optional<ArcSearchPValues> ArcSimulationRunner::ResultFor(std::int64_t spins,
                                                               const std::vector<HottestArc>& arcs) const {
    return IsFor(spins, arcs) ? result_ : std::nullopt;
}

void ArcSimulationRunner::Start(std::int64_t spins, const std::vector<HottestArc>& arcs) {
    if (IsFor(spins, arcs)) {
        return;
    }
    Cancel();
    spins_ = spins;
    arcs_ = arcs;
    result_.reset();
    if (spins <= 0 || arcs.empty()) {
        return;
    }
    stop_ = std::stop_source();
    watcher_.setFuture(QtConcurrent::run([spins, arcs, stop = stop_.get_token()] {
        return SimulateArcSearch(spins, arcs, kArcSearchHistories, kArcSearchSeed, stop);
    }));
}

void ArcSimulationRunner::Cancel() {
    stop_.request_stop();
    if (!result_) {
        // A cancelled run's answer is never taken; the next start must run afresh.
        spins_ = -1;
    }
}

bool ArcSimulationRunner::running() const {
    return watcher_.isRunning() && !stop_.stop_requested();
}

void ArcSimulationRunner::TakeResult() {
    const ArcSearchPValues result = watcher_.result();
    if (result.cancelled || stop_.stop_requested()) {
        return;
    }
    result_ = result;
    emit finished();
}

}  // namespace orvanta
