// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HelpPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextBrowser>

#include "core/help/RtfReader.h"

#include "ui/QtConvert.h"

namespace orvanta {

QStringList HelpFileCandidates() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath("help.rtf"), programFolder.filePath("../share/orvanta/help.rtf")};
}

bool LoadHelpPage(QTextBrowser* browser, const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        QFile file(candidate);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray rtf = file.readAll();
            browser->setHtml(FromStd(RtfToHtml(std::string_view(rtf.constData(), rtf.size()))));
            return true;
        }
    }
    QStringList places;
    for (const QString& candidate : candidates) {
        places << QDir::toNativeSeparators(QDir::cleanPath(candidate));
    }
    browser->setPlainText(
        QStringLiteral("The help document was not found. Looked for: %1").arg(places.join("; ")));
    return false;
}

}  // namespace orvanta
