// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/HelpPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "core/help/RtfReader.h"

#include "ui/QtConvert.h"
#include "ui/TabControl.h"
#include "ui/files/NonBlockingOpen.h"
#include "ui/widgets/StretchLayout.h"

namespace orvanta {

namespace {

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

// The document's bytes, or what is wrong with it (empty bytes then).
struct HelpDocument {
    QByteArray bytes;
    QString problem;
    bool found = true;
};

HelpDocument ReadHelpDocument(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {{}, {}, false};
    }
    // A pipe would keep the window from ever coming up, and a device such as
    // /dev/zero never ends: only a regular file is read, and only up to the limit.
    if (info.isDir()) {
        return {{}, QStringLiteral("\"%1\" is a folder, not a help document.").arg(Shown(path))};
    }
    if (!info.isFile()) {
        return {{},
                QStringLiteral("\"%1\" is not a regular file (a named pipe, a device or a socket, or a link "
                               "to one); only a file is read as the help document.")
                    .arg(Shown(path))};
    }
    const QString tooLarge = QStringLiteral("\"%1\" is %2 MB; a help document of up to %3 MB is shown.")
                                 .arg(Shown(path))
                                 .arg(static_cast<double>(info.size()) / (1024.0 * 1024.0), 0, 'f', 1)
                                 .arg(kMaxHelpDocumentBytes / (1024 * 1024));
    if (info.size() > kMaxHelpDocumentBytes) {
        return {{}, tooLarge};
    }
    QFile file;
    if (QString refusal = OpenForReading(file, path); !refusal.isEmpty()) {
        return {{}, refusal};
    }
    // Read through the open file, which may have grown since it was looked at.
    QByteArray bytes = file.read(kMaxHelpDocumentBytes + 1);
    if (bytes.size() > kMaxHelpDocumentBytes) {
        return {{}, tooLarge};
    }
    if (file.error() != QFileDevice::NoError) {
        return {{}, QStringLiteral("Reading \"%1\" failed: %2.").arg(Shown(path), file.errorString())};
    }
    return {std::move(bytes), {}};
}

// The page's links are followed here rather than by the browser, which would load an
// address in place of the page: a link to a section scrolls there, a web address
// opens in the desktop's browser.
void FollowLink(QTextBrowser* browser, const QUrl& link) {
    if (link.scheme() == QLatin1String("http") || link.scheme() == QLatin1String("https")) {
        QDesktopServices::openUrl(link);
    } else if (link.scheme().isEmpty() && link.path().isEmpty() && link.hasFragment()) {
        browser->scrollToAnchor(link.fragment());
    }
}

}  // namespace

QTextBrowser* CreateHelpView(QWidget* page) {
    auto* view = Named(new QTextBrowser(page), "RichText1", "Help");
    view->setReadOnly(true);
    // Links are followed here: a section link scrolls to its section, a web address
    // opens in the desktop's browser, and no link ever replaces the page.
    view->setOpenLinks(false);
    QObject::connect(view, &QTextBrowser::anchorClicked, view,
                     [view](const QUrl& link) { FollowLink(view, link); });
    TabControl::Place(view, 120, 360, 11595, 7515);
    auto* layout = new StretchLayout(page, TabControl::PageSize());
    layout->AddColumnLine(view->geometry().center().x());
    layout->AddRowLine(view->geometry().center().y());
    layout->Add(view);
    return view;
}

QStringList HelpFileCandidates() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath("help.rtf"), programFolder.filePath("../share/orvanta/help.rtf")};
}

bool LoadHelpPage(QTextBrowser* browser, const QStringList& candidates) {
    QStringList problems;
    for (const QString& candidate : candidates) {
        const HelpDocument document = ReadHelpDocument(candidate);
        if (document.found && document.problem.isEmpty()) {
            const QByteArray& rtf = document.bytes;
            browser->setHtml(FromStd(RtfToHtml(std::string_view(rtf.constData(), rtf.size()))));
            return true;
        }
        if (document.found) {
            problems << document.problem;
        }
    }
    if (!problems.isEmpty()) {
        browser->setPlainText(
            QStringLiteral("The help document could not be shown.\n\n%1").arg(problems.join("\n")));
        return false;
    }
    QStringList places;
    for (const QString& candidate : candidates) {
        places << Shown(candidate);
    }
    browser->setPlainText(
        QStringLiteral("The help document was not found. Looked for: %1").arg(places.join("; ")));
    return false;
}

}  // namespace orvanta
