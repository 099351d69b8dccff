// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace orvanta::testing {

// The sanitizer build runs several times slower, and more so when the machine is
// shared; a limit on time is this many times longer there.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr int kSlowdown = 4;
#else
inline constexpr int kSlowdown = 1;
#endif

// Runs the event loop until `done` holds or `limitMs` passes, and measures the longest
// stretch in which the loop handled no event: a timer asks to fire every 5 ms, so a gap
// between two of its ticks is time the window spent deaf to the user.
class EventGaps {
public:
    EventGaps() {
        clock_.start();
        ticker_.setInterval(5);
        QObject::connect(&ticker_, &QTimer::timeout, [this] { Tick(); });
        ticker_.start();
    }

    // Also counts the time since this object was made, so work done before the loop
    // first runs (a blocking call) is part of the first gap.
    bool RunUntil(const std::function<bool()>& done, int limitMs) {
        QElapsedTimer limit;
        limit.start();
        while (!done()) {
            if (limit.elapsed() > limitMs) {
                return false;
            }
            // The ticker wakes the loop at least every 5 ms.
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        Tick();
        return true;
    }

    qint64 longestMs() const { return longest_; }

private:
    void Tick() {
        const qint64 now = clock_.elapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }

    QElapsedTimer clock_;
    QTimer ticker_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

}  // namespace orvanta::testing
