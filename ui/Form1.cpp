#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "ui/TabControl.h"
#include "ui/Twips.h"

namespace orvanta {

namespace {

constexpr const char* kPageCaptions[kTabPageCount] = {
    "Main", "Statistics Summary", "Color",      "High/Low", "Even/Odd", "n 12", "Row", "Column",
    "n 6",  "Wheel Sector",       "Calculator", "Help",
};

QAction* AddMenuAction(QMenu* menu, const QString& objectName, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent), numberTable_(BuildNumberTable()) {
    setObjectName("Form1");
    setWindowTitle("Orvanta  v1.2");
    QFont font("Liberation Sans");
    font.setPointSizeF(8.25);
    setFont(font);

    CreateMenu();
    CreateTabs();

    // Fixed client area below the menu bar; the window is laid out once and never resized.
    centralWidget()->setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form1::~Form1() = default;

void Form1::CreateMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnu_File");
    AddMenuAction(file, "mnu_Open", "&Open");
    AddMenuAction(file, "mnu_Save", "&Save");
    file->addSeparator()->setObjectName("mnu_sep1");
    QAction* exit = AddMenuAction(file, "mnu_Exit", "E&xit");
    // Ends the program at once: no question, nothing saved.
    connect(exit, &QAction::triggered, this, [] { QCoreApplication::exit(0); });
}

void Form1::CreateTabs() {
    auto* client = new QWidget(this);
    client->setObjectName("clientArea");
    setCentralWidget(client);

    SSTab1_ = new TabControl(client);
    SSTab1_->setObjectName("SSTab1");
    SSTab1_->setGeometry(TwipsRect(0, 0, 11850, 8010));
    for (const char* caption : kPageCaptions) {
        auto* pageWidget = new QWidget;
        pageWidget->setAccessibleName(caption);
        SSTab1_->addTab(pageWidget, caption);
    }
    SSTab1_->setCurrentIndex(static_cast<int>(TabPage::Main));
}

QWidget* Form1::page(TabPage which) const {
    return SSTab1_->widget(static_cast<int>(which));
}

void Form1::AddResult(int n) {
    model_.AddResult(n);
}

}  // namespace orvanta
