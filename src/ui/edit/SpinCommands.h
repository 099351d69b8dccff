// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUndoCommand>

#include <cstdint>
#include <utility>
#include <vector>

namespace orvanta {

class HistoryEditor;

// A step of the undo history that can say what it did, for the message log:
// "spin 18 (3)", "removal of spin 7 (12)".
class SpinStep : public QUndoCommand {
public:
    SpinStep(const QString& text, QString logText) : QUndoCommand(text), logText_(std::move(logText)) {}
    const QString& logText() const { return logText_; }

private:
    QString logText_;
};

// Spins put in at a position: clicks, pastes and "Insert Item". Positions are slots of
// the history, which loads only ever extend at the end, so a step stays right even
// when a file is read in behind it.
class InsertSpinsCommand : public SpinStep {
public:
    InsertSpinsCommand(HistoryEditor& editor, int position, std::vector<std::int8_t> spins,
                       const QString& text, const QString& logText);
    void redo() override;
    void undo() override;
    int count() const { return static_cast<int>(spins_.size()); }

private:
    HistoryEditor& editor_;
    int position_;
    std::vector<std::int8_t> spins_;
};

// One spin taken out: "Remove Item".
class RemoveSpinCommand : public SpinStep {
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
