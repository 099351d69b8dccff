// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

#include "core/model/SpinModel.h"
#include "core/recovery/JournalFormat.h"

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

    // A load reads its file beside the history, which it replaces in one step at the
    // end, outside the undo history. The window goes on meanwhile; spins recorded then
    // are the newest of all, so they wait and are recorded after the file's, each as the
    // step it would have been. Corrections meanwhile act on the history the window shows.
    // The journal so only ever holds histories the window held, in the order it held them.
    //
    // BeginLoad: recorded spins wait from now on. AppendLoaded: the next spins read.
    // EndLoad: they become the history, with a fresh undo history (complete: the whole
    // file was read, so the history is the file's). AbandonLoad: the file changed
    // nothing. Both end the load, record the spins that waited and return their count.
    void BeginLoad();
    void AppendLoaded(std::span<const std::int8_t> spins);
    int EndLoad(const QString& file, bool complete);
    int AbandonLoad();
    bool isLoading() const { return loading_; }

    // The history of a run that did not end cleanly, counted as unsaved.
    void Restore(std::span<const std::int8_t> spins, const QString& file);

    // An empty history with no file and a fresh undo history (File > New).
    void StartNew();

    // The history was written to file. unchanged: nothing was recorded while it was
    // written, so the file holds exactly the history.
    void MarkSaved(const QString& file, bool unchanged);

    // The history differs from its file, or spins wait to be recorded.
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
    // A step recorded while a file was read.
    struct WaitingStep {
        std::vector<std::int8_t> spins;
        QString text;
    };

    void Announce(const HistoryChange& change);
    void Push(QUndoCommand* step);
    void TellUndoneOrRedone(int index);
    int RecordWaiting();

    SpinModel& model_;
    RecoveryJournal& journal_;
    QUndoStack* undoStack_;
    QString fileName_;
    quint64 version_ = 0;
    int stepIndex_ = 0;  // the undo history's index as last told
    bool loadedPartly_ = false;
    bool pushing_ = false;

    bool loading_ = false;
    std::vector<std::int8_t> loaded_;
    // The journal's record of the loaded history, written as the spins are read, so that
    // a long file costs no long stretch at its end.
    JournalReplaceRecord loadedRecord_;
    std::vector<WaitingStep> waiting_;
};

}  // namespace orvanta
