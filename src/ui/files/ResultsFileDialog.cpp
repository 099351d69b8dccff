// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/ResultsFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

QString ResultsFileDialog::StartFolder() const {
    if (!lastFolder_.isEmpty() && QFileInfo(lastFolder_).isDir()) {
        return lastFolder_;
    }
    const QString programFolder = QCoreApplication::applicationDirPath();
    return QFileInfo(programFolder).isWritable() ? programFolder : QDir::homePath();
}

QString ResultsFileDialog::Choose(QWidget* parent, QFileDialog::AcceptMode mode) {
    const bool open = mode == QFileDialog::AcceptOpen;
    PatternAwareDialog dialog(parent, open ? QStringLiteral("Open") : QStringLiteral("Save"));
    // A desktop's own dialog would take the pattern for a file's name and save under it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Results files (*.dat)"), QStringLiteral("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    dialog.setDirectory(StartFolder());
    dialog.selectFile(QString::fromLatin1(kNamePattern));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

}  // namespace orvanta
