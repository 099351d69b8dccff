#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace orvanta {

class Form1;

// The splash window: the picture and the version for 1.5 seconds, then it loads the
// main window, hides, shows the main window and deletes itself.
class Form2 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDelayMilliseconds = 1500;

    // loadMainWindow builds the main window (its whole start-up) and keeps it.
    explicit Form2(std::function<Form1*()> loadMainWindow);

    QTimer* timer() const { return timer1_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void HandOver();

    std::function<Form1*()> loadMainWindow_;
    QTimer* timer1_;
    bool handedOver_ = false;
};

}  // namespace orvanta
