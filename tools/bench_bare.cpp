// The yardstick scripts/bench holds the program against: a bare Qt Widgets program, one window with
// one label, started and reported the same way as the program itself.

#include "platform/shown_report.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.show();
    platform::reportFirstShownIfAsked(&window);
    return QApplication::exec();
}
