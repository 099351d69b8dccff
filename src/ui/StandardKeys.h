// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeySequence>
#include <QList>

namespace orvanta {

// The desktop's own keys for a command, and the one most editors also take where the
// desktop's scheme has another or none (Ctrl+Y for Redo, Ctrl+Shift+S for Save As).
inline QList<QKeySequence> StandardKeys(QKeySequence::StandardKey key, const QKeySequence& common = {}) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (!common.isEmpty() && !keys.contains(common)) {
        keys << common;
    }
    return keys;
}

}  // namespace orvanta
