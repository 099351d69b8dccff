// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

namespace orvanta {

// Numbers typed on the Main tab, for a new spin or a waiting insertion: one or two
// digits and Enter give a number, Backspace takes a digit back, Esc drops them. Keys
// meant for a box that takes text (the category box) keep their own meaning, and so
// does every key but Esc while nothing has been typed, so Enter still presses a
// focused button.
class KeyboardEntry : public QObject {
    Q_OBJECT
public:
    // active: whether typed digits are numbers now (the Main tab shown).
    KeyboardEntry(QWidget* window, std::function<bool()> active);
    ~KeyboardEntry() override;

    const QString& typed() const { return typed_; }
    void Clear();

signals:
    void typedChanged(const QString& typed);
    void entered(int n);
    // Esc, whether or not digits had been typed.
    void cancelled();
    // A digit that would make no wheel number was not taken.
    void refused(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool TakeKey(int key, const QString& text);
    void SetTyped(const QString& typed);

    QPointer<QWidget> window_;
    std::function<bool()> active_;
    QString typed_;
};

}  // namespace orvanta
