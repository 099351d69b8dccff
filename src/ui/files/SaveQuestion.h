// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace orvanta {

enum class SaveAnswer { Save, Discard, Cancel };

// What would lose the unsaved spins, named in the question.
enum class NextStep { Exiting, OpeningAnother, StartingNew };

// Asks whether to save what is not saved yet before the next step loses it: Save,
// Discard or Cancel. unsavedSpins: how many spins the file lacks; -1 when the changes
// are no simple count (spins removed), then the question names file.
SaveAnswer AskToSaveSpins(QWidget* parent, const QString& file, int unsavedSpins, NextStep next);

// The question itself: "Save the 27 unsaved spins before exiting?"
QString SaveQuestionText(const QString& file, int unsavedSpins, NextStep next);

}  // namespace orvanta
