// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

#include "core/model/SpinModel.h"
#include "core/recovery/JournalFormat.h"

class QUndoStack;

namespace orvanta {

class RecoveryJournal;

// One change of the history: removed spins taken out at position and inserted ones
// put there. A replacement (a load, a restore) changes everything.
struct HistoryChange {
    int position = 1;
    int removed = 0;
    int inserted = 0;
    bool replaced = false;
};

// Every change of the history goes through here: recorded spins and corrections as
// steps of the undo history, loads and restores around it. Each change reaches the
// recovery journal as it happens and is announced by changed(), which the window's
// views follow. Whether the history differs from its file is the undo history's clean
// state.
class HistoryEditor : public QObject {
    Q_OBJECT
public:
    HistoryEditor(SpinModel& model, QObject* parent);

    QUndoStack* undoStack() const { return undoStack_; }
    void setJournal(RecoveryJournal* journal) { journal_ = journal; }

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

    // The history was written to file. unchanged: nothing was recorded while it was
    // written, so the file holds exactly the history.
    void MarkSaved(const QString& file, bool unchanged);

    // The history differs from its file, or spins wait to be recorded.
    bool isModified() const;
    // Counts the changes of the history, so that a command that yields to the window
    // can tell whether anything changed meanwhile.
    quint64 version() const { return version_; }
    // The results file last opened or saved; empty before the first.
    QString fileName() const { return fileName_; }

signals:
    void changed(const HistoryChange& change);
    // The history came to differ from its file, or to match it; or the file changed.
    void stateChanged();

private:
    // A step recorded while a file was read.
    struct WaitingStep {
        std::vector<std::int8_t> spins;
        QString text;
    };

    void Announce(const HistoryChange& change);
    int RecordWaiting();

    SpinModel& model_;
    QUndoStack* undoStack_;
    RecoveryJournal* journal_ = nullptr;
    QString fileName_;
    quint64 version_ = 0;

    bool loading_ = false;
    std::vector<std::int8_t> loaded_;
    // The journal's record of the loaded history, written as the spins are read, so that
    // a long file costs no long stretch at its end.
    JournalReplaceRecord loadedRecord_;
    std::vector<WaitingStep> waiting_;
};

}  // namespace orvanta
