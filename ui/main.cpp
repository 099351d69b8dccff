#include <QApplication>

#include "ui/Form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvanta");

    orvanta::Form1 window;
    window.show();
    return QApplication::exec();
}
