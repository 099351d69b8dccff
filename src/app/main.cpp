#include <QApplication>

#include <memory>

#include "ui/Form1.h"
#include "ui/Form2.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvanta");
    QApplication::setApplicationVersion("1.2");
    QApplication::setDesktopFileName("orvanta");

    std::unique_ptr<orvanta::Form1> mainWindow;
    auto* splash = new orvanta::Form2([&mainWindow] {
        mainWindow = std::make_unique<orvanta::Form1>();
        return mainWindow.get();
    });
    splash->show();
    return QApplication::exec();
}
