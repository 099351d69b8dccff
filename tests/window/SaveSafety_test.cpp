// SPDX-License-Identifier: GPL-3.0-or-later

// A save that is killed half-way, or that runs out of space, never costs the
// file that was there before.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include "ui/MainWindow.h"

#include "support/WindowFixture.h"

namespace orvanta {
namespace {

using testing::ReadFile;

// Bytes the process has written so far, from the kernel's count.
qint64 BytesWritten(qint64 pid) {
    QFile io(QStringLiteral("/proc/%1/io").arg(pid));
    if (!io.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("wchar:")) {
            return line.mid(6).trimmed().toLongLong();
        }
    }
    return 0;
}

TEST(InterruptedSave, KillingTheProgramMidSaveLeavesThePreviousFile) {
    QTemporaryDir folder;
    const QString target = folder.filePath("history.dat");
    const QByteArray previous = "7 \r\n17\r\n0 \r\n";
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(previous);
    }

    // Ten million spins make a 40 MB file: long enough to be caught half-way.
    constexpr qint64 kSpins = 10'000'000;
    QProcess helper;
    helper.start(ORVANTA_SAVE_INTERRUPT_HELPER, {target, QString::number(kSpins)});
    ASSERT_TRUE(helper.waitForStarted());
    ASSERT_TRUE(helper.waitForReadyRead(60'000));
    ASSERT_EQ(helper.readLine().trimmed(), "saving");

    // Kill it once the save has written a megabyte of its 40.
    QElapsedTimer clock;
    clock.start();
    qint64 written = 0;
    while (written < 1'000'000 && clock.elapsed() < 30'000) {
        QThread::usleep(200);
        written = BytesWritten(helper.processId());
    }
    helper.kill();
    ASSERT_TRUE(helper.waitForFinished());
    ASSERT_GE(written, 1'000'000) << "the save never got going";
    EXPECT_EQ(helper.exitStatus(), QProcess::CrashExit) << "the save ended before it was killed";

    EXPECT_EQ(ReadFile(target), previous);
    // The half-written records were never given a name in the folder.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"history.dat"});
}

TEST(FullDevice, ASaveToAFullDeviceSaysSoAndLeavesNoFile) {
    if (!QFileInfo::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    MainWindow form;
    for (int i = 0; i < 20'000; ++i) {
        form.AddResult(i % 37);
    }
    EXPECT_FALSE(form.SaveResultsFileTo("/dev/full"));
    QApplication::processEvents();
    auto* box = form.findChild<QMessageBox*>("fileMessage");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains("/dev/full")) << box->text().toStdString();
    box->close();
    // The device is still the device: no file was put in its place.
    EXPECT_FALSE(QFileInfo("/dev/full").isFile());
    EXPECT_TRUE(QDir("/dev").entryList({"full.*"}, QDir::Files | QDir::Hidden | QDir::System).isEmpty());
    EXPECT_EQ(form.model().SpinCount(), 20'000);
}

TEST(FullDevice, ASaveToADeviceThatTakesEverythingSucceedsAndKeepsTheDevice) {
    MainWindow form;
    form.AddResult(17);
    EXPECT_TRUE(form.SaveResultsFileTo("/dev/null"));
    EXPECT_FALSE(QFileInfo("/dev/null").isFile());
}

}  // namespace
}  // namespace orvanta
