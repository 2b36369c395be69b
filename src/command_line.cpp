#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// QApplication reads these itself; they are accepted here so that, for one, a session manager can still
// restart the program with -session, and kept out of --help, which is about the program.
void acceptQtOptions(QCommandLineParser& parser)
{
    for (const char* name :
        { "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry", "qwindowicon",
            "icon", "qwindowtitle", "title", "session", "display", "name", "style", "stylesheet", "visual" }) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : { "reverse", "widgetcount", "nograb", "dograb", "sync" }) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

std::optional<int> handleCommandLine(int& argc, char* argv[])
{
    // A plain start, the usual one, goes straight on to the window.
    if (argc <= 1)
        return std::nullopt;

    const QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    // Qt's options are spelt with one dash (-platform), so a one-dash word is one option, not letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Works out an order of Tovira's dishes and writes the order e-mail."));
    const QCommandLineOption help(
        { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(
        { QStringLiteral("v"), QStringLiteral("version") }, QStringLiteral("Show the program's version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);

    QString error;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty()) {
        print(stderr, QStringLiteral("tovira: %1\n").arg(error) + parser.helpText());
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("tovira " TOVIRA_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}
