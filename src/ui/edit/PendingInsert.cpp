// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/edit/PendingInsert.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "core/model/NumberTable.h"

namespace orvanta {

PendingInsert::PendingInsert(QWidget* window) : QObject(window), window_(window) {}

PendingInsert::~PendingInsert() {
    Stop();
}

void PendingInsert::Start(int position) {
    if (!isActive()) {
        // The keys go to whichever control has the focus, so they are caught on their
        // way there, and only while a number is awaited.
        qApp->installEventFilter(this);
    }
    position_ = position;
    typed_.clear();
    emit stateChanged();
}

void PendingInsert::Cancel() {
    if (isActive()) {
        Stop();
        emit stateChanged();
    }
}

void PendingInsert::Stop() {
    if (isActive()) {
        qApp->removeEventFilter(this);
    }
    position_ = 0;
    typed_.clear();
}

bool PendingInsert::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || QApplication::activeModalWidget() != nullptr) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || window_ == nullptr || widget->window() != window_) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        return false;  // shortcuts such as Ctrl+Z go their usual way
    }
    return TakeKey(key->key(), key->text());
}

bool PendingInsert::TakeKey(int key, const QString& text) {
    switch (key) {
        case Qt::Key_Escape:
            Cancel();
            return true;
        case Qt::Key_Backspace:
            typed_.chop(1);
            emit stateChanged();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!typed_.isEmpty()) {
                const int position = position_;
                const int n = typed_.toInt();
                Stop();
                emit stateChanged();
                emit chosen(position, n);
            }
            return true;
        default:
            break;
    }
    if (text.size() == 1 && text[0].isDigit()) {
        // Digits that would make no wheel number are not taken: "37" stays "3".
        const QString longer = typed_ + text;
        if (longer.size() <= 2 && IsWheelNumber(longer.toInt())) {
            typed_ = longer;
            emit stateChanged();
        } else {
            QApplication::beep();
        }
        return true;
    }
    return false;
}

}  // namespace orvanta
