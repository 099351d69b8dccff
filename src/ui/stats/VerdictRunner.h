// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFutureWatcher>
#include <QObject>

#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>

#include "core/stats/VerdictSimulation.h"

namespace orvanta {

// Runs the verdict's simulations (FindVerdict) on Qt's thread pool, so that the
// window never waits for them. A new start cancels the run in progress, whose answer
// is then dropped; starting again for the same counts keeps the answer already found.
class VerdictRunner : public QObject {
    Q_OBJECT
public:
    explicit VerdictRunner(QObject* parent = nullptr);
    ~VerdictRunner() override;

    void Start(const WheelBiasReport& report);
    void Cancel();

    bool running() const;
    // Whether the run last started, running or done, is for this report's counts.
    bool IsFor(const WheelBiasReport& report) const;
    // Its answer, once it is there and if it is for this report.
    const VerdictFindings* FindingsFor(const WheelBiasReport& report) const;

signals:
    void finished();

private:
    void TakeResult();

    QFutureWatcher<VerdictFindings> watcher_;
    std::stop_source stop_;
    // Everything the verdict depends on follows from the counts.
    std::optional<std::array<std::int64_t, kPocketCount>> counts_;
    std::optional<VerdictFindings> result_;
};

}  // namespace orvanta
