// SPDX-License-Identifier: GPL-3.0-or-later

// Help documents of every shape, each beside a copy of the real program: the window
// comes up, the Help tab shows the document or says what was wrong with it, and the
// program never goes two seconds without handling an event nor past 1 GB of memory.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <string>

#include "support/EventGaps.h"

namespace orvanta {
namespace {

constexpr long long kLongestGapMs = 2000 * testing::kSlowdown;
constexpr long kPeakLimitKb = 1024 * 1024;
// A program past this is stopped before it takes the machine with it.
constexpr long kRunawayKb = 1536 * 1024;
constexpr int kPatienceMs = 30'000;
// Just under the 16 MB the program takes.
constexpr qint64 kCostlyBytes = 15 * 1024 * 1024;

// A number from /proc/<pid>/status, in kB; -1 once the process is gone.
long StatusKilobytes(qint64 pid, const QByteArray& key) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(key)) {
                return line.mid(key.size()).trimmed().split(' ').constFirst().toLong();
            }
        }
    }
    return -1;
}

// What the probe inside the program reported, by key ("longest-gap-ms", "help").
QString Reported(const QString& report, const QString& key) {
    for (const QString& line : report.split('\n')) {
        if (line.startsWith("probe: " + key + " ")) {
            return line.mid(8 + key.size());
        }
    }
    return {};
}

void WriteRepeated(const QString& path, const QByteArray& start, const QByteArray& piece, qint64 bytes,
                   const QByteArray& end = "}") {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray block;
    while (block.size() < 1024 * 1024) {
        block += piece;
    }
    file.write(start);
    for (qint64 written = start.size(); written < bytes; written += block.size()) {
        file.write(block);
    }
    file.write(end);
}

struct HelpRow {
    const char* name;
    std::function<void(const QString& path)> make;
    const char* shown;  // a part of the Help tab's text
};

void PrintTo(const HelpRow& row, std::ostream* out) {
    *out << row.name;
}

class HelpDocument : public ::testing::TestWithParam<HelpRow> {};

TEST_P(HelpDocument, TheWindowComesUpQuicklyAndWithinItsMemory) {
    QTemporaryDir folder;
    const QString program = folder.filePath("orvanta");
    ASSERT_TRUE(QFile::copy(ORVANTA_PROGRAM, program));
    GetParam().make(folder.filePath("help.rtf"));

    QProcess orvanta;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_PLUGIN_PATH", ORVANTA_HELP_PROBE_PLUGINS);
    environment.insert("QT_QPA_GENERIC_PLUGINS", "orvantahelpprobe");
    orvanta.setProcessEnvironment(environment);
    orvanta.setProcessChannelMode(QProcess::SeparateChannels);
    orvanta.start(program, {});
    ASSERT_TRUE(orvanta.waitForStarted());
    const qint64 pid = orvanta.processId();
    long peakKb = 0;
    QElapsedTimer clock;
    clock.start();
    while (!orvanta.waitForFinished(20)) {
        peakKb = std::max(peakKb, StatusKilobytes(pid, "VmHWM:"));
        if (StatusKilobytes(pid, "VmRSS:") > kRunawayKb || clock.elapsed() > kPatienceMs) {
            orvanta.kill();
            orvanta.waitForFinished();
            FAIL() << "stopped after " << clock.elapsed() << " ms at " << peakKb / 1024 << " MB";
        }
    }
    const QString report = QString::fromLocal8Bit(orvanta.readAllStandardError());
    ASSERT_EQ(orvanta.exitStatus(), QProcess::NormalExit) << report.toStdString();
    ASSERT_EQ(orvanta.exitCode(), 0) << report.toStdString();
    peakKb = std::max(peakKb, Reported(report, "peak-kb").toLong());
    EXPECT_LT(Reported(report, "longest-gap-ms").toLongLong(), kLongestGapMs) << report.toStdString();
    EXPECT_LT(peakKb, kPeakLimitKb) << "kB at the peak";
    EXPECT_TRUE(Reported(report, "help").contains(GetParam().shown)) << report.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, HelpDocument,
    ::testing::Values(
        HelpRow{
            "NamedPipe",
            [](const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); },
            "is not a regular file"},
        HelpRow{"LinkToDevZero", [](const QString& path) { ASSERT_TRUE(QFile::link("/dev/zero", path)); },
                "is not a regular file"},
        HelpRow{"LinkToDevUrandom",
                [](const QString& path) { ASSERT_TRUE(QFile::link("/dev/urandom", path)); },
                "is not a regular file"},
        HelpRow{"SparseTwentyGigabytes",
                [](const QString& path) {
                    QFile file(path);
                    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                    ASSERT_TRUE(file.resize(20LL * 1024 * 1024 * 1024));
                },
                "is 20480.0 MB"},
        HelpRow{"MegabyteFontNameInTwoThousandRuns",
                [](const QString& path) {
                    WriteRepeated(path, "{\\rtf1{\\fonttbl{\\f0 " + QByteArray(1024 * 1024, 'N') + ";}}",
                                  "{\\f0 x}{\\f0\\b y}", 1024 * 1024 + 1000 * 16);
                },
                "xyxyxy"},
        HelpRow{"BoldOnAndOffInOneParagraph",
                [](const QString& path) { WriteRepeated(path, "{\\rtf1 ", "\\b x\\b0 y", kCostlyBytes); },
                "xyxyxy"},
        HelpRow{"TwentyMegabytesOfParagraphEnds",
                [](const QString& path) { WriteRepeated(path, "{\\rtf1 ", "\\par", 20 * 1024 * 1024); },
                "a help document of up to 16 MB is shown"},
        HelpRow{"ParagraphEndsWithinTheSizeLimit",
                [](const QString& path) { WriteRepeated(path, "{\\rtf1 text", "\\par", kCostlyBytes); },
                "text"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvanta
