// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/edit/SpinCommands.h"

#include "ui/edit/HistoryEditor.h"

namespace orvanta {

InsertSpinsCommand::InsertSpinsCommand(HistoryEditor& editor, int position, std::vector<std::int8_t> spins,
                                       const QString& text, const QString& logText)
    : SpinStep(text, logText), editor_(editor), position_(position), spins_(std::move(spins)) {}

void InsertSpinsCommand::redo() {
    editor_.ApplyInsert(position_, spins_);
}

void InsertSpinsCommand::undo() {
    editor_.ApplyRemove(position_, static_cast<int>(spins_.size()));
}

RemoveSpinCommand::RemoveSpinCommand(HistoryEditor& editor, int position, std::int8_t spin)
    : SpinStep(QStringLiteral("Remove %1").arg(spin),
               QStringLiteral("removal of spin %1 (%2)").arg(position).arg(spin)),
      editor_(editor),
      position_(position),
      spin_(spin) {}

void RemoveSpinCommand::redo() {
    editor_.ApplyRemove(position_, 1);
}

void RemoveSpinCommand::undo() {
    editor_.ApplyInsert(position_, {&spin_, 1});
}

}  // namespace orvanta
