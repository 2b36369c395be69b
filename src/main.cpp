#include "command_line.h"
#include "platform/large_blocks.h"
#include "platform/qt_translations.h"
#include "platform/shown_report.h"
#include "platform/text_drawing.h"
#include "program.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    platform::giveLargeBlocksBackWhenFreed();
    if (const auto exitCode = handleCommandLine(argc, argv))
        return *exitCode;

    // The window draws its own colours and faces, so it has no use for the desktop's theme; on GNOME
    // and XFCE reading it would load the GTK platform theme, which alone costs about a third of a
    // second and 65 MB at every start.
    QApplication::setDesktopSettingsAware(false);
    platform::QtArguments qtArguments(argc, argv);
    QApplication app(qtArguments.count(), qtArguments.values());
    QApplication::setOrganizationName(QStringLiteral("Tovira"));
    QApplication::setApplicationName(QStringLiteral("Tovira"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tovira幫你算"));
    // Lets the desktop match the window with the installed desktop entry (its name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.tovira.Tovira"));

    // Qt's own buttons ("OK") speak Traditional Chinese like the rest of the window.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Chinese, QLocale::Taiwan), QStringLiteral("qtbase"), QStringLiteral("_"),
            platform::qtTranslationsFolder()))
        QApplication::installTranslator(&qtTranslator);

    auto form = buildProgram();
    form->centreOnScreen();
    form->show();
    platform::reportFirstShownIfAsked(form.get());
    return QApplication::exec();
}
