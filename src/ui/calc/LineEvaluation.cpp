// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calc/LineEvaluation.h"

#include <QDeadlineTimer>
#include <QThread>

#include <utility>

namespace orvanta {

LineEvaluation::LineEvaluation(const Calculator& calculator, std::string line, QObject* parent)
    : QObject(parent), calculator_(calculator), line_(std::move(line)) {
    thread_.reset(
        QThread::create([this] { result_ = calculator_.ExecuteStatement(line_, stop_.get_token()); }));
    // The thread object lives here, so its end reaches this object as a queued call.
    connect(thread_.get(), &QThread::finished, this, &LineEvaluation::finished);
    thread_->start();
}

LineEvaluation::~LineEvaluation() {
    stop_.request_stop();
    thread_->wait();
}

bool LineEvaluation::WaitFor(int milliseconds) {
    return thread_->wait(QDeadlineTimer(milliseconds));
}

bool LineEvaluation::isFinished() const {
    return thread_->isFinished();
}

}  // namespace orvanta
