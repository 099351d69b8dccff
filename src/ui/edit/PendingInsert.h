// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace orvanta {

// "Insert Item" waits for the number to insert: a click on the table picture (the
// window hands it over) or digits typed anywhere in the window and Enter. Esc cancels.
class PendingInsert : public QObject {
    Q_OBJECT
public:
    explicit PendingInsert(QWidget* window);
    ~PendingInsert() override;

    // Waits for the number to put before slot position.
    void Start(int position);
    void Cancel();

    bool isActive() const { return position_ > 0; }
    int position() const { return position_; }
    QString typed() const { return typed_; }

signals:
    void chosen(int position, int n);
    // Started, typed into, or ended.
    void stateChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool TakeKey(int key, const QString& text);
    void Stop();

    QPointer<QWidget> window_;
    int position_ = 0;
    QString typed_;
};

}  // namespace orvanta
