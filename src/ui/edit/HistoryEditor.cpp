// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/edit/HistoryEditor.h"

#include <QScopedValueRollback>
#include <QUndoStack>

#include <utility>

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

// A push moves the index too, and so does emptying the undo history; only Undo and
// Redo are told, one line a step.
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
    if (loading_) {
        waiting_.push_back({{spins.begin(), spins.end()}, text});
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
    loading_ = true;
}

void HistoryEditor::AppendLoaded(std::span<const std::int8_t> spins) {
    loaded_.insert(loaded_.end(), spins.begin(), spins.end());
    if (journal_.isOn()) {
        loadedRecord_.Append(spins);
    }
}

int HistoryEditor::EndLoad(const QString& file, bool complete) {
    model_.ReplaceResults(std::exchange(loaded_, {}));
    {
        const QScopedValueRollback clearing(pushing_, true);
        undoStack_->clear();
    }
    if (!complete) {
        undoStack_->resetClean();
    }
    fileName_ = file;
    loadedPartly_ = !complete;
    journal_.RecordReplaced(loadedRecord_.Take(), file, complete);
    Announce({.replaced = true});
    emit stateChanged();
    return RecordWaiting();
}

int HistoryEditor::AbandonLoad() {
    loaded_ = {};
    loadedRecord_ = {};
    return RecordWaiting();
}

int HistoryEditor::RecordWaiting() {
    loading_ = false;
    int spins = 0;
    for (const WaitingStep& step : std::exchange(waiting_, {})) {
        Record(step.spins, step.text);
        spins += static_cast<int>(step.spins.size());
    }
    return spins;
}

void HistoryEditor::Restore(std::span<const std::int8_t> spins, const QString& file) {
    model_.ReplaceResults({spins.begin(), spins.end()});
    {
        const QScopedValueRollback clearing(pushing_, true);
        undoStack_->clear();
    }
    undoStack_->resetClean();
    fileName_ = file;
    loadedPartly_ = false;
    if (journal_.isOn()) {
        journal_.RecordReplaced(JournalReplace(spins), file, false);
    }
    Announce({.replaced = true});
    emit stateChanged();
}

void HistoryEditor::StartNew() {
    model_.ReplaceResults({});
    {
        const QScopedValueRollback clearing(pushing_, true);
        undoStack_->clear();
    }
    fileName_.clear();
    loadedPartly_ = false;
    // An empty history with no file is nothing to recover.
    if (journal_.isOn()) {
        journal_.RecordReplaced(JournalReplace({}), {}, true);
    }
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
    return !undoStack_->isClean() || !waiting_.empty();
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
