// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUndoCommand>

#include <cstdint>
#include <vector>

namespace orvanta {

class HistoryEditor;

// Spins put in at a position: clicks, pastes and "Insert Item". Positions are slots of
// the history, which loads only ever extend at the end, so a step stays right even
// when a file is read in behind it.
class InsertSpinsCommand : public QUndoCommand {
public:
    InsertSpinsCommand(HistoryEditor& editor, int position, std::vector<std::int8_t> spins,
                       const QString& text);
    void redo() override;
    void undo() override;

private:
    HistoryEditor& editor_;
    int position_;
    std::vector<std::int8_t> spins_;
};

// One spin taken out: "Remove Item".
class RemoveSpinCommand : public QUndoCommand {
public:
    RemoveSpinCommand(HistoryEditor& editor, int position, std::int8_t spin);
    void redo() override;
    void undo() override;

private:
    HistoryEditor& editor_;
    int position_;
    std::int8_t spin_;
};

}  // namespace orvanta
