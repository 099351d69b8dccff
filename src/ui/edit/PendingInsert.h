// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace orvanta {

// "Insert Item" waits for the number to insert: a click on the table picture or a
// number typed on the Main tab (the window hands either over). Esc cancels.
class PendingInsert : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Waits for the number to put before slot position.
    void Start(int position);
    void Cancel();

    bool isActive() const { return position_ > 0; }
    int position() const { return position_; }

signals:
    // Started or ended.
    void stateChanged();

private:
    int position_ = 0;
};

}  // namespace orvanta
