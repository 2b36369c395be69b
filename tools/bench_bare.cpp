// The yardsticks scripts/bench holds the program against: a bare Qt Widgets program, one window with
// one label, started and reported the same way as the program itself. With --ming the label reads
// "歡迎使用" in the installed Ming face at the window's text size (AR PL UMing TW, 9.75 pt): a bare
// window that pays, as the program must, for finding and loading that face and drawing its glyphs.

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
    auto* label = new QLabel(QStringLiteral("Hello"), &window);
    if (QApplication::arguments().contains(QStringLiteral("--ming"))) {
        QFont ming;
        ming.setFamilies({ QStringLiteral("AR PL UMing TW") });
        ming.setPointSizeF(9.75);
        label->setFont(ming);
        label->setText(QStringLiteral("歡迎使用"));
    }
    layout->addWidget(label);
    window.show();
    platform::reportFirstShownIfAsked(&window);
    return QApplication::exec();
}
