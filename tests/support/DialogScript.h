// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvanta::testing {

// Answers the modal dialogs that come up, one step each in order, as a user would:
// a click on a message box's button, a file picked in a file dialog.
class DialogScript {
public:
    using Step = std::function<void(QWidget*)>;

    explicit DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }
    ~DialogScript() { EXPECT_EQ(next_, steps_.size()) << "dialogs that never came up"; }

    // Every step was taken.
    bool done() const { return next_ == steps_.size(); }

    // A click on the button of a message box named name.
    static Step Click(const char* name, QMessageBox::StandardButton button) {
        return [name, button](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr) << "expected the message box " << name;
            EXPECT_EQ(box->objectName().toStdString(), name);
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        };
    }
    static Step ClickText(const char* name, const QString& text) {
        return [name, text](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr) << "expected the message box " << name;
            EXPECT_EQ(box->objectName().toStdString(), name);
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == text) {
                    QTest::mouseClick(button, Qt::LeftButton);
                    return;
                }
            }
            ADD_FAILURE() << "no button " << text.toStdString();
        };
    }
    // The file typed into a file dialog and taken; an empty path cancels the dialog.
    static Step Choose(const QString& path) {
        return [path](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr) << "expected a file dialog";
            if (path.isEmpty()) {
                files->reject();
                return;
            }
            auto* name = files->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        };
    }

private:
    void Poll() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible() || next_ >= steps_.size()) {
            return;
        }
        steps_[next_++](dialog);
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QTimer timer_;
};

}  // namespace orvanta::testing
