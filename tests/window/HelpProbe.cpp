// SPDX-License-Identifier: GPL-3.0-or-later

// Loaded into a copy of the real program by Qt itself (QT_QPA_GENERIC_PLUGINS), beside a
// help document made to be costly. It measures the longest stretch in which the program
// handled no event, from its first event on, while the window comes up and the Help tab
// is shown and scrolled to its end; then it reports that stretch, its peak memory and
// the start of the Help tab's text on standard error, and ends the program.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kTickMilliseconds = 5;
// Time for the window's first paint before the Help tab is opened.
constexpr int kSettleMilliseconds = 300;

QWidget* MainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("Form1") && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

long PeakKilobytes() {
    QFile status("/proc/self/status");
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:")) {
                return line.mid(6).trimmed().split(' ').constFirst().toLong();
            }
        }
    }
    return -1;
}

class HelpProbe : public QObject {
public:
    HelpProbe() {
        ticker_.setInterval(kTickMilliseconds);
        connect(&ticker_, &QTimer::timeout, this, &HelpProbe::Tick);
        ticker_.start();
    }

private:
    void Tick() {
        if (!clock_.isValid()) {
            clock_.start();
        }
        const qint64 now = clock_.elapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
        if (form_ == nullptr && (form_ = MainWindow()) != nullptr) {
            QTimer::singleShot(kSettleMilliseconds, this, &HelpProbe::ShowHelp);
        }
    }

    void ShowHelp() {
        auto* tabs = form_->findChild<QTabWidget*>("SSTab1");
        for (int i = 0; tabs != nullptr && i < tabs->count(); ++i) {
            if (tabs->tabText(i) == QLatin1String("Help")) {
                tabs->setCurrentIndex(i);
            }
        }
        help_ = form_->findChild<QTextBrowser*>("RichText1");
        if (help_ == nullptr) {
            Report(3);
            return;
        }
        form_->grab();
        // To its end, as a reader would go, so the whole document is laid out.
        help_->setFocus();
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
        QCoreApplication::sendEvent(help_, &end);
        form_->grab();
        QTimer::singleShot(kSettleMilliseconds, this, [this] { Report(0); });
    }

    void Report(int code) {
        Tick();
        QString text = help_ != nullptr ? help_->toPlainText().left(400) : QString();
        text.replace('\n', ' ');
        std::fprintf(stderr, "probe: longest-gap-ms %lld\nprobe: peak-kb %ld\nprobe: help %s\n",
                     static_cast<long long>(longest_), PeakKilobytes(), qPrintable(text));
        std::fflush(stderr);
        QCoreApplication::exit(code);
    }

    QTimer ticker_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
    QWidget* form_ = nullptr;
    QTextBrowser* help_ = nullptr;
};

class HelpProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "HelpProbe.json")
public:
    QObject* create(const QString& key, const QString&) override {
        return key.compare(QLatin1String("orvantahelpprobe"), Qt::CaseInsensitive) == 0 ? new HelpProbe
                                                                                        : nullptr;
    }
};

}  // namespace

#include "HelpProbe.moc"
