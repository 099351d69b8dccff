// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <memory>
#include <stop_token>
#include <string>

#include "core/calc/Calculator.h"

class QThread;

namespace orvanta {

// One calculator line evaluated on a thread of its own, on a copy of the calculator,
// so that a loop of a million passes never holds up the window. The caller takes the
// copy when the line has ended; a line abandoned half-way leaves the caller's table as
// it was, since its copy is simply dropped.
class LineEvaluation : public QObject {
    Q_OBJECT
public:
    LineEvaluation(const Calculator& calculator, std::string line, QObject* parent = nullptr);
    // Stops the line at its next loop pass and waits for its thread, which is then a
    // matter of microseconds.
    ~LineEvaluation() override;

    // Waits at most this long for the line to end; true when it has.
    bool WaitFor(int milliseconds);
    bool isFinished() const;

    // Valid once the line has ended.
    Calculator& calculator() { return calculator_; }
    const std::string& result() const { return result_; }

signals:
    // The line has ended; delivered on the thread that started it.
    void finished();

private:
    Calculator calculator_;
    std::string line_;
    std::string result_;
    std::stop_source stop_;
    std::unique_ptr<QThread> thread_;
};

}  // namespace orvanta
