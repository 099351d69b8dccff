// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stats/VerdictRunner.h"

#include <QtConcurrent/QtConcurrentRun>

namespace orvanta {

VerdictRunner::VerdictRunner(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFutureWatcher<VerdictFindings>::finished, this, &VerdictRunner::TakeResult);
}

VerdictRunner::~VerdictRunner() {
    // The run checks its stop token between histories, so this wait is short.
    stop_.request_stop();
    watcher_.waitForFinished();
}

bool VerdictRunner::IsFor(const WheelBiasReport& report) const {
    return counts_ == CountByNumber(report) && (result_ || running());
}

const VerdictFindings* VerdictRunner::FindingsFor(const WheelBiasReport& report) const {
    return result_ && counts_ == CountByNumber(report) ? &*result_ : nullptr;
}

void VerdictRunner::Start(const WheelBiasReport& report) {
    if (IsFor(report)) {
        return;
    }
    Cancel();
    counts_ = CountByNumber(report);
    result_.reset();
    stop_ = std::stop_source();
    watcher_.setFuture(
        QtConcurrent::run([report, stop = stop_.get_token()] { return FindVerdict(report, stop); }));
}

void VerdictRunner::Cancel() {
    stop_.request_stop();
    if (!result_) {
        // A cancelled run's answer is never taken; the next start must run afresh.
        counts_.reset();
    }
}

bool VerdictRunner::running() const {
    return watcher_.isRunning() && !stop_.stop_requested();
}

void VerdictRunner::TakeResult() {
    const VerdictFindings result = watcher_.result();
    if (result.cancelled || stop_.stop_requested()) {
        return;
    }
    result_ = result;
    emit finished();
}

}  // namespace orvanta
