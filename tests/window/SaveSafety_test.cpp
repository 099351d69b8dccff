// SPDX-License-Identifier: GPL-3.0-or-later

// A save that is killed half-way, that runs out of space or that meets a file-size
// limit never costs the file that was there before; a save keeps the file's owner
// and permissions.
#include <QAction>
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
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <numeric>
#include <vector>

#include "ui/MainWindow.h"
#include "ui/stats/WheelBiasWindow.h"

#include "support/SmallDisk.h"
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

// The spins of a long session, and the file a save must not harm.
const QByteArray kKept = "7 \r\n17\r\n0 \r\n36\r\n";

// A file holding kKept.
QString Kept(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kKept);
    return path;
}

std::vector<int> Session(int spins) {
    std::vector<int> session(static_cast<std::size_t>(spins));
    std::iota(session.begin(), session.end(), 0);
    for (int& n : session) {
        n %= 37;
    }
    return session;
}

struct FullDiskRow {
    int spins;
    qint64 free;
};

void PrintTo(const FullDiskRow& row, std::ostream* out) {
    *out << row.spins << " spins, " << row.free << " bytes free";
}

class FullDisk : public testing::WindowTest, public ::testing::WithParamInterface<FullDiskRow> {};

TEST_P(FullDisk, ASaveThatDoesNotFitKeepsTheOldFileAndSaysSo) {
    const testing::SmallDisk disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a small file system takes root";
    }
    const QString keep = Kept(disk.Path("keep.dat"));
    disk.FillLeaving(GetParam().free);
    const std::vector<int> session = Session(GetParam().spins);
    window_.RecordSpins(session);

    EXPECT_FALSE(window_.SaveResultsFileTo(keep));
    const std::string message = TakeMessage();
    EXPECT_NE(message.find("keep.dat\" failed"), std::string::npos) << message;
    EXPECT_NE(message.find("The file was left as it was."), std::string::npos) << message;
    EXPECT_EQ(ReadFile(keep), kKept);
    EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden), QStringList({"filler", "keep.dat"}));
    EXPECT_TRUE(window_.isWindowModified());

    // With room again, the same save goes through.
    ASSERT_TRUE(QFile::remove(disk.Path("filler")));
    EXPECT_TRUE(window_.SaveResultsFileTo(keep));
    EXPECT_EQ(QFileInfo(keep).size(), GetParam().spins * 4);
}

INSTANTIATE_TEST_SUITE_P(Histories, FullDisk,
                         ::testing::Values(FullDiskRow{1, 0}, FullDiskRow{5, 0}, FullDiskRow{4096, 8192},
                                           FullDiskRow{4097, 8192}, FullDiskRow{100'000, 393'216}),
                         [](const auto& info) { return std::to_string(info.param.spins); });

// The wheel-bias export writes as a save does: a full disk keeps the old file, and
// a name that is no file is refused and kept.
class ExportTest : public testing::WindowWithFilesTest {
protected:
    bool Export(const QString& path) {
        find<QAction>("mnu_WheelBias")->trigger();
        return find<WheelBiasWindow>("frmWheelBias")->ExportTo(path);
    }
};

TEST_F(ExportTest, AnExportThatDoesNotFitKeepsTheOldFileAndSaysSo) {
    const testing::SmallDisk disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a small file system takes root";
    }
    const QString keep = Kept(disk.Path("bias.csv"));
    disk.FillLeaving(0);
    Spin({1, 2, 3});
    EXPECT_FALSE(Export(keep));
    const std::string message = TakeMessage("exportMessage");
    EXPECT_NE(message.find("No space left on device"), std::string::npos) << message;
    EXPECT_EQ(ReadFile(keep), kKept);
    EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden), QStringList({"bias.csv", "filler"}));
}

TEST_F(ExportTest, APipeOrADeviceIsRefusedAndKept) {
    const QByteArray pipe = QFile::encodeName(Path("pipe.csv"));
    const QByteArray device = QFile::encodeName(Path("device.csv"));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    // The node of /dev/null; only root may make one.
    const bool madeDevice = ::mknod(device.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    for (const auto& [name, what] : {std::pair(pipe, "is a named pipe"), std::pair(device, "is a device")}) {
        if (name == device && !madeDevice) {
            continue;
        }
        struct stat before {};
        ASSERT_EQ(::stat(name.constData(), &before), 0);
        EXPECT_FALSE(Export(QFile::decodeName(name)));
        const std::string message = TakeMessage("exportMessage");
        EXPECT_NE(message.find(what), std::string::npos) << message;
        struct stat after {};
        ASSERT_EQ(::stat(name.constData(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode) << what;
        EXPECT_EQ(after.st_ino, before.st_ino) << what;
    }
}

// RLIMIT_FSIZE binds the whole process, so the save runs in a child of its own.
TEST(FileSizeLimit, ASaveOverTheLimitKeepsTheOldFile) {
    for (const auto& [spins, limit] : {std::pair(4096, 8192), std::pair(100'000, 393'216)}) {
        QTemporaryDir folder;
        const QString keep = Kept(folder.filePath("keep.dat"));
        QProcess helper;
        helper.start(ORVANTA_SAVE_INTERRUPT_HELPER, {keep, QString::number(spins), QString::number(limit)});
        ASSERT_TRUE(helper.waitForFinished(60'000));
        EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit) << "SIGXFSZ ended the save";
        EXPECT_EQ(helper.exitCode(), 1) << spins << " spins";
        EXPECT_TRUE(helper.readAllStandardError().contains("The file was left as it was."));
        EXPECT_EQ(ReadFile(keep), kKept);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.dat"});
    }
}

struct OwnerRow {
    const char* name;
    mode_t mode;
    uid_t owner;
    gid_t group;
};

void PrintTo(const OwnerRow& row, std::ostream* out) {
    *out << row.name;
}

class Ownership : public testing::WindowWithFilesTest, public ::testing::WithParamInterface<OwnerRow> {};

TEST_P(Ownership, ASaveKeepsTheFilesPermissionsAndOwner) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root may hand a file to another user";
    }
    const OwnerRow& row = GetParam();
    const QByteArray path = Write("theirs.dat", kKept).toLocal8Bit();
    ASSERT_EQ(::chown(path.constData(), row.owner, row.group), 0);
    ASSERT_EQ(::chmod(path.constData(), row.mode), 0);
    Spin({5});
    ASSERT_TRUE(window_.SaveResultsFileTo(QString::fromLocal8Bit(path)));
    struct stat saved {};
    ASSERT_EQ(::stat(path.constData(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 07777, row.mode);
    EXPECT_EQ(saved.st_uid, row.owner);
    EXPECT_EQ(saved.st_gid, row.group);
    EXPECT_EQ(ReadFile(QString::fromLocal8Bit(path)), QByteArray("5 \r\n"));
}

INSTANTIATE_TEST_SUITE_P(Files, Ownership,
                         ::testing::Values(OwnerRow{"ReadOnly", 0444, 0, 0},
                                           OwnerRow{"AnotherUsers", 0640, 4242, 4343}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvanta
