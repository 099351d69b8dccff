// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/ResultsFileDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/Settings.h"

namespace orvanta {

namespace {

// The name box starts with a pattern, and Save with the pattern still in it would write
// a file named "*.dat". A name with a wildcard lists files; it never names one.
class PatternAwareDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty() && IsPattern(QFileInfo(files.constFirst()).fileName())) {
            return;
        }
        QFileDialog::accept();
    }

private:
    static bool IsPattern(const QString& name) {
        return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?')) ||
               name.contains(QLatin1Char('['));
    }
};

}  // namespace

QString ResultsFileDialog::StartFolder() {
    const QString last = Settings().value(Settings::kLastFolder).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString ResultsFileDialog::Choose(QWidget* parent, QFileDialog::AcceptMode mode, const QString& suggested) {
    const bool open = mode == QFileDialog::AcceptOpen;
    PatternAwareDialog dialog(parent, open ? QStringLiteral("Open") : QStringLiteral("Save"));
    // A desktop's own dialog would take the pattern for a file's name and save under it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Results files (*.dat)"), QStringLiteral("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    const QFileInfo offered(suggested);
    const bool offer = !suggested.isEmpty() && offered.absoluteDir().exists();
    dialog.setDirectory(offer ? offered.absolutePath() : StartFolder());
    dialog.selectFile(offer ? offered.fileName() : QString::fromLatin1(kNamePattern));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    Settings().setValue(Settings::kLastFolder, QFileInfo(chosen).absolutePath());
    return chosen;
}

}  // namespace orvanta
