// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/DocumentCommands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMenu>

#include "ui/Settings.h"
#include "ui/StandardKeys.h"
#include "ui/StatusLine.h"
#include "ui/WarningBox.h"
#include "ui/edit/HistoryEditor.h"
#include "ui/files/ResultsFileView.h"
#include "ui/files/SpinCount.h"

namespace orvanta {

namespace {

// The desktop's standard shortcut beside the caption's mnemonic.
QAction* AddMenuAction(QMenu* menu, const QString& objectName, const QString& caption,
                       QKeySequence::StandardKey shortcut, const QKeySequence& common = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    action->setShortcuts(StandardKeys(shortcut, common));
    return action;
}

constexpr int kRecentEntryWidth = 480;  // pixels of a recent file's path in the menu

}  // namespace

DocumentCommands::DocumentCommands(QMainWindow* window, HistoryEditor& editor, StatusLine* status,
                                   std::function<bool()> closing)
    : QObject(window), window_(window), editor_(editor), status_(status), closing_(std::move(closing)) {
    connect(&editor_, &HistoryEditor::stateChanged, this, &DocumentCommands::UpdateCaption);
    UpdateCaption();
}

void DocumentCommands::AddTo(QMenu* file) {
    connect(AddMenuAction(file, "mnu_New", "&New", QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &DocumentCommands::New);
    connect(AddMenuAction(file, "mnu_Open", "&Open...", QKeySequence::Open), &QAction::triggered, this,
            &DocumentCommands::Open);
    recentMenu_ = file->addMenu("Open &Recent");
    recentMenu_->setObjectName("mnu_Recent");
    recentMenu_->setAccessibleName("Open Recent");
    recentMenu_->menuAction()->setObjectName("mnu_Recent");
    connect(recentMenu_, &QMenu::aboutToShow, this, &DocumentCommands::FillRecentMenu);
    FillRecentMenu();
    connect(AddMenuAction(file, "mnu_Save", "&Save", QKeySequence::Save), &QAction::triggered, this,
            &DocumentCommands::Save);
    connect(AddMenuAction(file, "mnu_SaveAs", "Save &As...", QKeySequence::SaveAs,
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &DocumentCommands::SaveAs);
}

bool DocumentCommands::New() {
    if (running_ || !ConfirmUnsavedSpins(NextStep::StartingNew)) {
        return false;
    }
    editor_.StartNew();
    ShowStatus("A new, empty history.");
    return true;
}

void DocumentCommands::Open() {
    if (!ConfirmUnsavedSpins(NextStep::OpeningAnother)) {
        return;
    }
    const QString path = fileDialog_.Choose(window_, QFileDialog::AcceptOpen);
    if (!path.isEmpty()) {
        LoadResultsFileFrom(path);
    }
}

bool DocumentCommands::Save() {
    const QString target = editor_.saveTarget();
    return target.isEmpty() ? SaveAs() : SaveResultsFileTo(target);
}

bool DocumentCommands::SaveAs() {
    const QString path = fileDialog_.Choose(window_, QFileDialog::AcceptSave, editor_.fileName());
    return !path.isEmpty() && SaveResultsFileTo(path);
}

// The file is read beside the history and replaces it in one step: the views follow
// once, at the end. A spin entered meanwhile is recorded after the file's spins.
bool DocumentCommands::LoadResultsFileFrom(const QString& path) {
    return RunFileCommand([&] {
        editor_.BeginLoad();
        const TransferOutcome outcome = orvanta::LoadResultsFile(
            path, {[this](std::span<const std::int8_t> spins) { editor_.AppendLoaded(spins); }, closing_});
        const int waited =
            outcome.replaced && !closing_() ? editor_.EndLoad(path, outcome.ok) : editor_.AbandonLoad();
        Report(outcome, path, "Loaded %1 from \"%2\".");
        if (waited > 0) {
            ShowStatus(QStringLiteral("%1 entered while the file was read %2 recorded after its spins.")
                           .arg(SpinCountText(waited), waited == 1 ? "was" : "were"));
        }
        return outcome.ok;
    });
}

bool DocumentCommands::SaveResultsFileTo(const QString& path) {
    return RunFileCommand([&] {
        const quint64 version = editor_.version();
        const TransferOutcome outcome = orvanta::SaveResultsFile(path, editor_.model(), closing_);
        if (outcome.ok) {
            editor_.MarkSaved(path, editor_.version() == version);
        }
        Report(outcome, path, "Saved %1 to \"%2\".");
        return outcome.ok;
    });
}

// A file read or written is the newest of the recent files; a failure is said on the
// status line and in a message box, a stop for the closing window not at all.
void DocumentCommands::Report(const TransferOutcome& outcome, const QString& path, const char* done) {
    if (outcome.ok) {
        RememberRecent(path);
        ShowStatus(QString::fromLatin1(done).arg(SpinCountText(outcome.spins), QFileInfo(path).fileName()));
    } else if (!outcome.message.isEmpty()) {
        ShowStatus(outcome.message);
        ShowFailure(outcome.message);
    }
}

bool DocumentCommands::ConfirmUnsavedSpins(NextStep next) {
    // An empty history that belongs to no file has nothing to lose.
    if (!editor_.isModified() || (editor_.fileName().isEmpty() && editor_.model().SpinCount() == 0)) {
        return true;
    }
    switch (AskToSaveSpins(window_, editor_.fileName(), editor_.unsavedSpinCount(), next)) {
        case SaveAnswer::Save:
            return Save();
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

bool DocumentCommands::RunFileCommand(const std::function<bool()>& command) {
    if (running_) {
        ShowFailure("A results file is being read or written; try again when it is done.");
        return false;
    }
    running_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = command();
    QApplication::restoreOverrideCursor();
    running_ = false;
    return ok;
}

// "history.dat[*] — Orvanta": the window shows the mark in place of [*] while
// anything is unsaved.
void DocumentCommands::UpdateCaption() {
    const QString file = editor_.fileName();
    const QString name = file.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(file).fileName();
    window_->setWindowTitle(QStringLiteral("%1[*] \u2014 Orvanta").arg(name));
    window_->setWindowModified(editor_.isModified());
}

QStringList DocumentCommands::recentFiles() const {
    QStringList files;
    for (const QString& path : Settings().value(Settings::kRecentFiles).toStringList()) {
        if (QFileInfo(path).isFile() && !files.contains(path)) {
            files << path;
        }
    }
    return files.mid(0, kRecentFileCount);
}

void DocumentCommands::RememberRecent(const QString& path) {
    QStringList files = recentFiles();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    Settings().setValue(Settings::kRecentFiles, files.mid(0, kRecentFileCount));
    FillRecentMenu();
}

void DocumentCommands::FillRecentMenu() {
    if (recentMenu_ == nullptr) {
        return;
    }
    // Not clear(): the entry that was chosen may be the one whose trigger runs this.
    for (QAction* old : recentMenu_->actions()) {
        recentMenu_->removeAction(old);
        old->deleteLater();
    }
    const QStringList files = recentFiles();
    // Files gone since are dropped for good.
    if (Settings settings; settings.value(Settings::kRecentFiles).toStringList() != files) {
        settings.setValue(Settings::kRecentFiles, files);
    }
    const QFontMetrics metrics(recentMenu_->font());
    for (int i = 0; i < files.size(); ++i) {
        const QString shown =
            metrics.elidedText(QDir::toNativeSeparators(files[i]), Qt::ElideMiddle, kRecentEntryWidth);
        QAction* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        entry->setObjectName(QStringLiteral("mnu_Recent_%1").arg(i + 1));
        entry->setData(files[i]);
        entry->setStatusTip(files[i]);
        const QString path = files[i];
        connect(entry, &QAction::triggered, this, [this, path] {
            if (ConfirmUnsavedSpins(NextStep::OpeningAnother)) {
                LoadResultsFileFrom(path);
            }
        });
    }
    recentMenu_->menuAction()->setEnabled(!files.isEmpty());
}

void DocumentCommands::ShowStatus(const QString& text) {
    if (!text.isEmpty()) {
        status_->Post(text);
    }
}

void DocumentCommands::ShowFailure(const QString& message) {
    ShowWarning(window_, message, "fileMessage");
}

}  // namespace orvanta
