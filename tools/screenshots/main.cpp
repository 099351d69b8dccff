// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <random>

#include "ui/MainWindow.h"
#include "ui/calc/CalculatorPanel.h"
#include "ui/charts/StatChart.h"
#include "ui/stats/WheelBiasWindow.h"

// Takes the README's pictures of the real main window: a few hundred spins entered, a
// search run, each page of interest shown in turn and saved as it is drawn.
//   orvanta_screenshots OUTPUT_FOLDER [NAME_SUFFIX] [--maximised]
// Maximised, the window fills the screen's free area (a window manager's maximise where
// there is one) and only the pages are taken, not the wheel-bias window.

namespace {

using orvanta::MainWindow;
using orvanta::TabPage;

bool Save(MainWindow& form, const QString& path) {
    QTest::qWait(300);  // charts lay themselves out when first shown
    const bool saved = form.grab().save(path, "PNG");
    std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

void ShowPage(MainWindow& form, TabPage page) {
    form.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(static_cast<int>(page));
}

}  // namespace

int main(int argc, char* argv[]) {
    // The spins recorded for the pictures must not turn up as a user's recovery journal,
    // and the pictures show a first run, whatever the user's own settings.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [NAME_SUFFIX] [--maximised]\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const bool maximised = argc > 3 && QString::fromLocal8Bit(argv[3]) == "--maximised";
    auto file = [&](const char* name) { return out.filePath(QLatin1String(name) + suffix + ".png"); };

    MainWindow form;
    if (maximised) {
        form.showMaximized();
    } else {
        form.show();
    }
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the window never showed\n");
        return 1;
    }
    // Without a window manager nobody carries out the maximise: the window takes the
    // screen's free area itself.
    if (maximised && form.size() != form.screen()->availableGeometry().size()) {
        form.showNormal();
        form.setGeometry(form.screen()->availableGeometry());
        QTest::qWait(300);
    }

    // The same spins every time, so the pictures change only when the program does.
    std::mt19937 wheel(20240601);
    std::uniform_int_distribution<int> number(0, 36);
    for (int i = 0; i < 400; ++i) {
        form.AddResult(number(wheel));
    }
    form.findChild<QComboBox*>("cboPastResults")->setEditText("Color");
    form.findChild<QSlider*>("sldLength")->setValue(3);
    form.findChild<QSlider*>("sldDepth")->setValue(1);
    form.findChild<QPushButton*>("cmdPastResultsCalc")->click();

    bool ok = Save(form, file("main"));

    ShowPage(form, TabPage::StatisticsSummary);
    ok &= Save(form, file("statistics-summary"));

    ShowPage(form, TabPage::WheelSector);
    form.findChild<orvanta::StatChart*>("ChartSector_1")->ToggleChartType();
    ok &= Save(form, file("wheel-sector-pie"));

    ShowPage(form, TabPage::Calculator);
    const orvanta::CalculatorPanel& calculator = form.calculatorPanel();
    for (const char* line :
         {"r = 2.5", "area = 3.14159265358979 * r ^ 2", "sqrt(area)", "sin(0.5) ^ 2 + cos(0.5) ^ 2", "s = 0",
          "for i = 1 to 10 : s = s + i * i", "s", "log(1000)"}) {
        calculator.input()->setText(QString::fromLatin1(line));
        calculator.evaluateButton()->click();
    }
    ok &= Save(form, file("calculator"));

    ShowPage(form, TabPage::Help);
    ok &= Save(form, file("help"));
    if (maximised) {
        return ok ? 0 : 1;
    }

    // The wheel-bias window over 3,700 spins of a wheel that slightly favours the
    // stretch 5 24 16 33 1, as a worn or tilted wheel would.
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::uniform_int_distribution<int> stretch(0, 4);
    const int favoured[] = {5, 24, 16, 33, 1};
    for (int i = 400; i < 3700; ++i) {
        form.AddResult(chance(wheel) < 0.03 ? favoured[stretch(wheel)] : number(wheel));
    }
    form.findChild<QAction*>("mnu_WheelBias")->trigger();
    auto* bias = form.findChild<orvanta::WheelBiasWindow*>("frmWheelBias");
    if (bias == nullptr || !QTest::qWaitForWindowExposed(bias) ||
        !QTest::qWaitFor([&] { return !bias->simulationRunning() && bias->report().spins == 3700; },
                         30'000)) {
        std::fprintf(stderr, "the wheel-bias window never settled\n");
        return 1;
    }
    QTest::qWait(300);
    const QString biasPath = file("wheel-bias");
    const bool biasSaved = bias->grab().save(biasPath, "PNG");
    std::fprintf(stderr, "%s %s\n", biasSaved ? "saved" : "could not save", qPrintable(biasPath));
    ok &= biasSaved;
    return ok ? 0 : 1;
}
