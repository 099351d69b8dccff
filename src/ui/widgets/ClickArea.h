// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace orvanta {

// A transparent area over part of a picture: paints nothing and reports a left
// click that is released inside it.
class ClickArea : public QWidget {
    Q_OBJECT
public:
    explicit ClickArea(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace orvanta
