// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/edit/HistoryEditor.h"

#include <QUndoStack>

#include <utility>

#include "ui/edit/SpinCommands.h"
#include "ui/recovery/RecoveryJournal.h"

namespace orvanta {

HistoryEditor::HistoryEditor(SpinModel& model, QObject* parent)
    : QObject(parent), model_(model), undoStack_(new QUndoStack(this)) {
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        // Undone back to where the history matched its file: nothing is left to recover.
        if (clean && journal_ != nullptr) {
            journal_->RecordMatchesFile();
        }
        emit stateChanged();
    });
}

void HistoryEditor::Record(std::span<const std::int8_t> spins, const QString& text) {
    if (spins.empty()) {
        return;
    }
    if (loading_) {
        waiting_.push_back({{spins.begin(), spins.end()}, text});
        return;
    }
    const QString name = !text.isEmpty()     ? text
                         : spins.size() == 1 ? QStringLiteral("Spin %1").arg(spins[0])
                                             : QStringLiteral("%1 Spins").arg(spins.size());
    undoStack_->push(
        new InsertSpinsCommand(*this, model_.SpinCount() + 1, {spins.begin(), spins.end()}, name));
}

void HistoryEditor::Insert(int position, int n) {
    if (position >= 1 && position <= model_.SpinCount() + 1 && IsWheelNumber(n)) {
        undoStack_->push(new InsertSpinsCommand(*this, position, {static_cast<std::int8_t>(n)},
                                                QStringLiteral("Insert %1").arg(n)));
    }
}

void HistoryEditor::Remove(int position) {
    if (position >= 1 && position <= model_.SpinCount()) {
        undoStack_->push(
            new RemoveSpinCommand(*this, position, static_cast<std::int8_t>(model_.SpinAt(position))));
    }
}

void HistoryEditor::ApplyInsert(int position, std::span<const std::int8_t> spins) {
    if (!model_.InsertResults(position, spins)) {
        return;
    }
    if (journal_ != nullptr) {
        journal_->RecordInserted(position, spins);
    }
    Announce({position, 0, static_cast<int>(spins.size())});
}

void HistoryEditor::ApplyRemove(int position, int count) {
    if (!model_.RemoveResults(position, count)) {
        return;
    }
    if (journal_ != nullptr) {
        journal_->RecordRemoved(position, count);
    }
    Announce({position, count, 0});
}

void HistoryEditor::BeginLoad() {
    loading_ = true;
}

void HistoryEditor::AppendLoaded(std::span<const std::int8_t> spins) {
    loaded_.insert(loaded_.end(), spins.begin(), spins.end());
    if (journal_ != nullptr && journal_->isOn()) {
        loadedRecord_.Append(spins);
    }
}

int HistoryEditor::EndLoad(const QString& file, bool complete) {
    model_.ReplaceResults(std::exchange(loaded_, {}));
    undoStack_->clear();
    if (!complete) {
        undoStack_->resetClean();
    }
    fileName_ = file;
    if (journal_ != nullptr) {
        journal_->RecordReplaced(loadedRecord_.Take(), file, complete);
    }
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
    undoStack_->clear();
    undoStack_->resetClean();
    fileName_ = file;
    if (journal_ != nullptr && journal_->isOn()) {
        journal_->RecordReplaced(JournalReplace(spins), file, false);
    }
    Announce({.replaced = true});
    emit stateChanged();
}

void HistoryEditor::MarkSaved(const QString& file, bool unchanged) {
    fileName_ = file;
    if (journal_ != nullptr) {
        journal_->RecordSaved(file, unchanged);
    }
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

}  // namespace orvanta
