// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orvanta {

// One change of the history: removed spins taken out at position and inserted ones
// put there. A replacement (a load, a restore, a new history) changes everything.
struct HistoryChange {
    int position = 1;
    int removed = 0;
    int inserted = 0;
    bool replaced = false;
};

}  // namespace orvanta
