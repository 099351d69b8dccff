// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/edit/HistoryEditor.h"

#include <QScopedValueRollback>
#include <QUndoStack>

#include "ui/edit/SpinCommands.h"
#include "ui/recovery/RecoveryJournal.h"

namespace orvanta {

HistoryEditor::HistoryEditor(SpinModel& model, RecoveryJournal& journal, QObject* parent)
    : QObject(parent), model_(model), journal_(journal), undoStack_(new QUndoStack(this)) {
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        // Undone back to where the history matched its file: nothing is left to recover.
        if (clean) {
            journal_.RecordMatchesFile();
        }
        emit stateChanged();
    });
    connect(undoStack_, &QUndoStack::indexChanged, this, &HistoryEditor::TellUndoneOrRedone);
}

void HistoryEditor::Push(QUndoCommand* step) {
    const QScopedValueRollback pushing(pushing_, true);
    undoStack_->push(step);
}

// A push moves the index too; only Undo and Redo are told, one line a step.
void HistoryEditor::TellUndoneOrRedone(int index) {
    const int before = std::exchange(stepIndex_, index);
    if (pushing_) {
        return;
    }
    const auto logText = [this](int at) {
        const auto* step = dynamic_cast<const SpinStep*>(undoStack_->command(at));
        return step != nullptr ? step->logText() : undoStack_->text(at);
    };
    for (int at = before - 1; at >= index; --at) {
        emit stepUndone(logText(at));
    }
    for (int at = before; at < index; ++at) {
        emit stepRedone(logText(at));
    }
}

void HistoryEditor::Record(std::span<const std::int8_t> spins, const QString& text) {
    if (spins.empty()) {
        return;
    }
    const int first = model_.SpinCount() + 1;
    const int count = static_cast<int>(spins.size());
    const QString name = !text.isEmpty() ? text
                         : count == 1    ? QStringLiteral("Spin %1").arg(spins[0])
                                         : QStringLiteral("%1 Spins").arg(count);
    const QString logText = count == 1 ? QStringLiteral("spin %1 (%2)").arg(first).arg(spins[0])
                                       : QStringLiteral("spins %1 to %2").arg(first).arg(first + count - 1);
    Push(new InsertSpinsCommand(*this, first, {spins.begin(), spins.end()}, name, logText));
}

void HistoryEditor::Insert(int position, int n) {
    if (position >= 1 && position <= model_.SpinCount() + 1 && IsWheelNumber(n)) {
        Push(new InsertSpinsCommand(*this, position, {static_cast<std::int8_t>(n)},
                                    QStringLiteral("Insert %1").arg(n),
                                    QStringLiteral("%1 inserted as spin %2").arg(n).arg(position)));
    }
}

void HistoryEditor::Remove(int position) {
    if (position >= 1 && position <= model_.SpinCount()) {
        Push(new RemoveSpinCommand(*this, position, static_cast<std::int8_t>(model_.SpinAt(position))));
    }
}

void HistoryEditor::ApplyInsert(int position, std::span<const std::int8_t> spins) {
    if (!model_.InsertResults(position, spins)) {
        return;
    }
    journal_.RecordInserted(position, spins);
    Announce({position, 0, static_cast<int>(spins.size())});
}

void HistoryEditor::ApplyRemove(int position, int count) {
    if (!model_.RemoveResults(position, count)) {
        return;
    }
    journal_.RecordRemoved(position, count);
    Announce({position, count, 0});
}

void HistoryEditor::BeginLoad() {
    model_.ClearResults();
    {
        const QScopedValueRollback clearing(pushing_, true);
        undoStack_->clear();
    }
    Announce({.replaced = true});
}

void HistoryEditor::AppendLoaded(int n) {
    const int before = model_.SpinCount();
    model_.AddResult(n);
    if (model_.SpinCount() > before) {
        Announce({model_.SpinCount(), 0, 1});
    }
}

void HistoryEditor::EndLoad(const QString& file, bool complete) {
    fileName_ = file;
    loadedPartly_ = !complete;
    // Spins clicked while the file was read are steps of the new undo history.
    const bool matchesFile = complete && undoStack_->count() == 0;
    if (!matchesFile) {
        undoStack_->resetClean();
    }
    journal_.RecordReplaced(model_.Spins(), file, matchesFile);
    emit stateChanged();
}

void HistoryEditor::Restore(std::span<const std::int8_t> spins, const QString& file) {
    model_.ClearResults();
    model_.AppendResults(spins);
    {
        const QScopedValueRollback clearing(pushing_, true);
        undoStack_->clear();
    }
    undoStack_->resetClean();
    fileName_ = file;
    loadedPartly_ = false;
    journal_.RecordReplaced(spins, file, false);
    Announce({.replaced = true});
    emit stateChanged();
}

void HistoryEditor::StartNew() {
    model_.ClearResults();
    {
        const QScopedValueRollback clearing(pushing_, true);
        undoStack_->clear();
    }
    fileName_.clear();
    loadedPartly_ = false;
    // An empty history with no file is nothing to recover.
    journal_.RecordReplaced({}, {}, true);
    Announce({.replaced = true});
    emit stateChanged();
}

void HistoryEditor::MarkSaved(const QString& file, bool unchanged) {
    fileName_ = file;
    loadedPartly_ = false;
    journal_.RecordSaved(file, unchanged);
    if (unchanged) {
        undoStack_->setClean();
    } else {
        // The history moved on while it was written: it never matches the file again.
        undoStack_->resetClean();
    }
    emit stateChanged();
}

void HistoryEditor::Announce(const HistoryChange& change) {
    ++version_;
    emit changed(change);
}

bool HistoryEditor::isModified() const {
    return !undoStack_->isClean();
}

int HistoryEditor::unsavedSpinCount() const {
    if (fileName_.isEmpty()) {
        return model_.SpinCount();
    }
    const int clean = undoStack_->cleanIndex();
    if (clean < 0 || clean > undoStack_->index()) {
        return -1;
    }
    int spins = 0;
    for (int at = clean; at < undoStack_->index(); ++at) {
        const auto* step = dynamic_cast<const InsertSpinsCommand*>(undoStack_->command(at));
        if (step == nullptr) {
            return -1;
        }
        spins += step->count();
    }
    return spins;
}

}  // namespace orvanta
