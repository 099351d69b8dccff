// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

namespace orvanta {

// "1 spin", "0 spins", "14,000 spins": how every message counts spins, with the
// thousands separators of the status line's count.
inline QString SpinCountText(long long count) {
    return count == 1 ? QStringLiteral("1 spin") : QStringLiteral("%1 spins").arg(QLocale().toString(count));
}

}  // namespace orvanta
