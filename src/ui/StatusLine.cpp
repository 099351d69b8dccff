// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/StatusLine.h"

#include <QLocale>

namespace orvanta {

StatusLine::StatusLine(std::function<int()> spinCount, QWidget* parent)
    : QPlainTextEdit(parent), spinCount_(std::move(spinCount)) {
    setObjectName("txtMessages");
    setAccessibleName("Messages");
    setReadOnly(true);
    setTabChangesFocus(true);
    Show();
}

void StatusLine::Post(const QString& message) {
    messages_.prepend(message);
    if (messages_.size() > kKeptMessages) {
        messages_.removeLast();
    }
    Show();
}

void StatusLine::SetPrompt(const QString& prompt) {
    if (prompt != prompt_) {
        prompt_ = prompt;
        Show();
    }
}

void StatusLine::CountChanged() {
    if (countPending_) {
        return;
    }
    countPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            countPending_ = false;
            Show();
        },
        Qt::QueuedConnection);
}

void StatusLine::Show() {
    QStringList lines{QStringLiteral("Spins recorded: %1").arg(QLocale().toString(spinCount_()))};
    if (!prompt_.isEmpty()) {
        lines += prompt_;
    }
    lines += messages_;
    setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace orvanta
