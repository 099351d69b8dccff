// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace orvanta {

enum class SaveAnswer { Save, Discard, Cancel };

// Asks whether to save spins that are not saved yet, before they would be lost to an
// exit or an open: Save, Discard or Cancel. file names the results file the history
// came from; empty when it came from none.
SaveAnswer AskToSaveSpins(QWidget* parent, const QString& file, int spinCount);

}  // namespace orvanta
