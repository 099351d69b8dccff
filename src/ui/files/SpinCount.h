// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace orvanta {

// "1 spin", "0 spins", "12 spins": how every message counts spins.
inline QString SpinCountText(long long count) {
    return count == 1 ? QStringLiteral("1 spin") : QStringLiteral("%1 spins").arg(count);
}

}  // namespace orvanta
