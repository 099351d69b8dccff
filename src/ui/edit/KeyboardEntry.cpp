// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/edit/KeyboardEntry.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include "core/model/SpinList.h"

namespace orvanta {
namespace {

// A control the user types text into keeps every key.
bool TakesText(const QWidget* widget) {
    if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
        return !line->isReadOnly();
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) {
        return !plain->isReadOnly();
    }
    if (const auto* rich = qobject_cast<const QTextEdit*>(widget)) {
        return !rich->isReadOnly();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->isEditable();
    }
    return qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
}

}  // namespace

KeyboardEntry::KeyboardEntry(QWidget* window, std::function<bool()> active)
    : QObject(window), window_(window), active_(std::move(active)) {
    // Keys go to whichever control has the focus, so they are caught on their way.
    qApp->installEventFilter(this);
}

KeyboardEntry::~KeyboardEntry() {
    qApp->removeEventFilter(this);
}

void KeyboardEntry::Clear() {
    SetTyped({});
}

void KeyboardEntry::SetTyped(const QString& typed) {
    if (typed != typed_) {
        typed_ = typed;
        emit typedChanged(typed_);
    }
}

bool KeyboardEntry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || window_ == nullptr || !watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != window_ || QApplication::activeModalWidget() != nullptr || !active_() ||
        TakesText(widget)) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        return false;  // shortcuts such as Ctrl+Z go their usual way
    }
    return TakeKey(key->key(), key->text());
}

bool KeyboardEntry::TakeKey(int key, const QString& text) {
    if (text.size() == 1 && text[0].isDigit() && text[0].unicode() < 128) {
        const QString longer = typed_ + text;
        if (!ReadWheelNumber(longer.toStdString())) {
            // Every digit goes, not the last alone: a 3 left standing from "37" would be
            // recorded by the next Enter, which the user meant for 37.
            Clear();
            emit refused(QStringLiteral("%1 is not a wheel number: type 0 to 36.").arg(longer));
            return true;
        }
        SetTyped(longer);
        return true;
    }
    if (key == Qt::Key_Escape) {
        const bool dropped = !typed_.isEmpty();
        Clear();
        emit cancelled();
        return dropped;
    }
    if (typed_.isEmpty()) {
        return false;
    }
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const int n = typed_.toInt();
            Clear();
            emit entered(n);
            return true;
        }
        case Qt::Key_Backspace:
            SetTyped(typed_.chopped(1));
            return true;
        default:
            return false;
    }
}

}  // namespace orvanta
