// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

#include "core/model/SpinModel.h"

#include "ui/edit/HistoryChange.h"

class QUndoCommand;
class QUndoStack;

namespace orvanta {

class RecoveryJournal;

// Every change of the history goes through here: recorded spins and corrections as
// steps of the undo history, loads and restores around it. Each change reaches the
// recovery journal as it happens and is announced by changed(), the one signal that
// every view of the history follows. Whether the history differs from its file is the
// undo history's clean state.
class HistoryEditor : public QObject {
    Q_OBJECT
public:
    // Every change is journaled; a journal that is off takes it and writes nothing.
    HistoryEditor(SpinModel& model, RecoveryJournal& journal, QObject* parent);

    QUndoStack* undoStack() const { return undoStack_; }
    const SpinModel& model() const { return model_; }

    // One undo step each. text names the step ("Spin 17"); empty for the usual name.
    void Record(std::span<const std::int8_t> spins, const QString& text = {});
    void Insert(int position, int n);
    void Remove(int position);

    // What the steps do and undo.
    void ApplyInsert(int position, std::span<const std::int8_t> spins);
    void ApplyRemove(int position, int count);

    // A load replays a file outside the undo history: BeginLoad empties the history
    // and starts a fresh undo history, AppendLoaded records one stored spin, EndLoad
    // writes the whole history to the journal as one block. complete: the whole file
    // was read, so the history is the file's.
    void BeginLoad();
    void AppendLoaded(int n);
    void EndLoad(const QString& file, bool complete);

    // The history of a run that did not end cleanly, counted as unsaved.
    void Restore(std::span<const std::int8_t> spins, const QString& file);

    // An empty history with no file and a fresh undo history (File > New).
    void StartNew();

    // The history was written to file. unchanged: nothing was recorded while it was
    // written, so the file holds exactly the history.
    void MarkSaved(const QString& file, bool unchanged);

    bool isModified() const;
    // How many spins the history holds that its file does not, when every step since
    // the file matched was a recorded or inserted spin; -1 when removals, a load cut
    // short or a restore make that no simple count. A history with no file counts all
    // of its spins.
    int unsavedSpinCount() const;
    // Counts the changes of the history, so that a command that yields to the window
    // can tell whether anything changed meanwhile.
    quint64 version() const { return version_; }
    // The results file last opened or saved; empty before the first.
    QString fileName() const { return fileName_; }
    // The file Save writes without asking: the current file, unless its load stopped
    // at a bad field (saving the spins before it there would cut the rest of it off).
    QString saveTarget() const { return loadedPartly_ ? QString() : fileName_; }

signals:
    void changed(const HistoryChange& change);
    // The history came to differ from its file, or to match it; or the file changed.
    void stateChanged();
    // Edit > Undo or Redo took back or made again the step that says logText.
    void stepUndone(const QString& logText);
    void stepRedone(const QString& logText);

private:
    void Announce(const HistoryChange& change);
    void Push(QUndoCommand* step);
    void TellUndoneOrRedone(int index);

    SpinModel& model_;
    RecoveryJournal& journal_;
    QUndoStack* undoStack_;
    QString fileName_;
    quint64 version_ = 0;
    int stepIndex_ = 0;  // the undo history's index as last told
    bool loadedPartly_ = false;
    bool pushing_ = false;
};

}  // namespace orvanta
