// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QLabel>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// Loaded into an installed copy of the program by Qt itself (QT_QPA_GENERIC_PLUGINS),
// so that the copy under test is the very one users get: nothing in the program knows
// of this probe. Once the main window is up it checks what the installed copy found,
// shows the Help tab, saves a picture of the window and ends the program with 0 when
// everything was there.

namespace {

constexpr int kPollMilliseconds = 100;
constexpr int kPatienceMilliseconds = 30000;

QWidget* MainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("Form1") && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

class StartupProbe : public QObject {
public:
    StartupProbe() {
        timer_.setInterval(kPollMilliseconds);
        connect(&timer_, &QTimer::timeout, this, &StartupProbe::Poll);
        timer_.start();
    }

private:
    void Poll() {
        waited_ += kPollMilliseconds;
        if (QWidget* form = MainWindow()) {
            timer_.stop();
            // Let the first paint of the window happen before looking at it.
            QTimer::singleShot(500, this, [this, form] { Inspect(form); });
        } else if (waited_ > kPatienceMilliseconds) {
            timer_.stop();
            Report(false, "main window shown");
            QCoreApplication::exit(3);
        }
    }

    void Inspect(QWidget* form) {
        Report(true, "main window shown");
        bool ok = true;

        auto* help = form->findChild<QTextBrowser*>("RichText1");
        const QString helpText = help != nullptr ? help->toPlainText() : QString();
        const QString expected = qEnvironmentVariable("ORVANTA_PROBE_HELP_TEXT");
        ok &= Report(help != nullptr && !expected.isEmpty() && helpText.contains(expected),
                     "help document loaded");

        for (const char* name : {"imgTable", "imgTheme"}) {
            auto* picture = form->findChild<QLabel*>(name);
            ok &= Report(picture != nullptr && !picture->pixmap().isNull(),
                         QStringLiteral("picture %1 shown").arg(name));
        }
        ok &= Report(!form->windowIcon().isNull(), "window icon set");

        auto* tabs = form->findChild<QTabWidget*>("SSTab1");
        if (tabs != nullptr) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->tabText(i) == QLatin1String("Help")) {
                    tabs->setCurrentIndex(i);
                }
            }
        }
        QCoreApplication::processEvents();
        ok &= Report(help != nullptr && help->isVisible(), "help page shown");

        const QString shot = qEnvironmentVariable("ORVANTA_PROBE_SHOT");
        if (!shot.isEmpty()) {
            ok &= Report(form->grab().save(shot, "PNG"), "window picture saved");
        }
        QCoreApplication::exit(ok ? 0 : 3);
    }

    bool Report(bool passed, const QString& what) {
        std::fprintf(stderr, "probe: %s: %s\n", passed ? "ok" : "FAILED", qPrintable(what));
        return passed;
    }

    QTimer timer_;
    int waited_ = 0;
};

class StartupProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "StartupProbe.json")
public:
    QObject* create(const QString& key, const QString&) override {
        return key.compare(QLatin1String("orvantaprobe"), Qt::CaseInsensitive) == 0 ? new StartupProbe
                                                                                    : nullptr;
    }
};

}  // namespace

#include "StartupProbe.moc"
