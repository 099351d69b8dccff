// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/edit/PendingInsert.h"

namespace orvanta {

void PendingInsert::Start(int position) {
    position_ = position;
    emit stateChanged();
}

void PendingInsert::Cancel() {
    if (isActive()) {
        position_ = 0;
        emit stateChanged();
    }
}

}  // namespace orvanta
