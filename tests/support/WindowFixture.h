// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "ui/MainWindow.h"

namespace orvanta::testing {

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A real main window, driven as a user drives it.
class WindowTest : public ::testing::Test {
protected:
    MainWindow window_;

    template <typename T = QWidget>
    T* find(const QString& name) const {
        T* widget = window_.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    // Shown and active, so that keys and focus behave as on a desktop.
    void ShowActive() {
        window_.show();
        QApplication::setActiveWindow(&window_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }
    void Spin(std::initializer_list<int> spins) {
        for (int n : spins) {
            window_.AddResult(n);
        }
    }
    std::vector<int> Spins() const {
        const auto& spins = window_.model().Spins();
        return {spins.begin(), spins.end()};
    }
    // The failure messages shown, closing their boxes; "" when there is none.
    std::string TakeMessage() {
        QApplication::processEvents();
        std::string text;
        for (auto* box : window_.findChildren<QMessageBox*>("fileMessage")) {
            text += box->text().toStdString();
            box->close();
        }
        QApplication::processEvents();
        return text;
    }
};

// The window beside a scratch folder of real files.
class WindowWithFilesTest : public WindowTest {
protected:
    QTemporaryDir folder_;

    QString Path(const QString& name) const { return folder_.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        return file.fileName();
    }
};

}  // namespace orvanta::testing
