// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace orvanta::testing {

// A real file system of 1 MB of its own, mounted for the test (it takes root).
class SmallDisk {
public:
    SmallDisk() {
        mounted_ =
            geteuid() == 0 && ::mount("tmpfs", Path().toLocal8Bit().constData(), "tmpfs", 0, "size=1m") == 0;
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(Path().toLocal8Bit().constData(), MNT_DETACH);
        }
    }
    bool mounted() const { return mounted_; }
    QString Path(const QString& name = {}) const {
        return name.isEmpty() ? folder_.path() : folder_.filePath(name);
    }

    // Fills the disk to the brim but for free bytes.
    void FillLeaving(qint64 free) const {
        QFile spacer(Path("spacer"));
        ASSERT_TRUE(spacer.open(QIODevice::WriteOnly));
        ASSERT_EQ(spacer.write(QByteArray(free, 's')), free);
        spacer.close();
        QFile filler(Path("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) {
        }
        filler.close();
        ASSERT_TRUE(QFile::remove(Path("spacer")));
    }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
};

}  // namespace orvanta::testing
