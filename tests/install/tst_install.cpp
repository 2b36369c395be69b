// What `cmake --install` puts where a desktop looks for it: the program, its desktop entry and its
// icon in the hicolor theme. Installs the build tree into a temporary prefix once and reads the result.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString entryFile = QStringLiteral("share/applications/com.example.tovira.Tovira.desktop");

// The [Desktop Entry] group as key -> value; other groups and comments are left out.
QHash<QString, QString> readDesktopEntry(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QHash<QString, QString> entry;
    bool inGroup = false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && !line.startsWith(QLatin1Char('#')) && line.contains(QLatin1Char('=')))
            entry.insert(line.section(QLatin1Char('='), 0, 0).trimmed(), line.section(QLatin1Char('='), 1));
    }
    return entry;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir prefix;
    QHash<QString, QString> entry;

    QString installed(const QString& relative) const { return QDir(prefix.path()).filePath(relative); }

private slots:
    void initTestCase()
    {
        QVERIFY(prefix.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(TOVIRA_CMAKE),
            { QStringLiteral("--install"), QStringLiteral(TOVIRA_BUILD_DIR), QStringLiteral("--prefix"),
                prefix.path() });
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(
            install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0, install.readAll().constData());
        entry = readDesktopEntry(installed(entryFile));
    }

    void programIsInBin()
    {
        const QFileInfo program(installed(QStringLiteral("bin/tovira")));
        QVERIFY(program.isFile());
        QVERIFY(program.isExecutable());
    }

    void desktopEntry_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("an application") << "Type"
                                        << "Application";
        QTest::newRow("the window's name") << "Name"
                                           << "Tovira幫你算";
        QTest::newRow("starts the installed program") << "Exec"
                                                      << "tovira";
        QTest::newRow("the themed icon") << "Icon"
                                         << "tovira";
        QTest::newRow("no terminal") << "Terminal"
                                     << "false";
        QTest::newRow("matches the window on X11") << "StartupWMClass"
                                                   << "Tovira";
    }
    void desktopEntry()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QVERIFY2(!entry.isEmpty(), qPrintable(entryFile + QStringLiteral(" is missing or has no [Desktop Entry]")));
        QCOMPARE(entry.value(key), value);
    }

    void desktopEntryIsListedUnderOfficeOrUtility()
    {
        const QStringList categories = entry.value(QStringLiteral("Categories")).split(QLatin1Char(';'));
        QVERIFY2(categories.contains(QLatin1String("Office")) || categories.contains(QLatin1String("Utility")),
            qPrintable(entry.value(QStringLiteral("Categories"))));
        QVERIFY2(entry.value(QStringLiteral("Categories")).endsWith(QLatin1Char(';')), "a list ends with ';'");
    }

    void desktopEntryStartsWhatWasInstalled()
    {
        const QString program = entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
        QVERIFY(!program.isEmpty());
        QVERIFY(QFileInfo(installed(QStringLiteral("bin/") + program)).isExecutable());
    }

    // The sizes desktops ask the hicolor theme for, the vector icon for any other, and whatever
    // else the source tree provides: each installed as the very file of the source tree, and each
    // bitmap as large as its folder says.
    void icon_data()
    {
        QTest::addColumn<QString>("size");
        QStringList sizes { QStringLiteral("16x16"), QStringLiteral("24x24"), QStringLiteral("32x32"),
            QStringLiteral("48x48"), QStringLiteral("64x64"), QStringLiteral("128x128"), QStringLiteral("256x256"),
            QStringLiteral("scalable") };
        const QDir source(QStringLiteral(TOVIRA_SOURCE_DIR "/resources/icons/hicolor"));
        for (const QString& size : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (!sizes.contains(size))
                sizes << size;
        for (const QString& size : sizes)
            QTest::newRow(qPrintable(size)) << size;
    }
    void icon()
    {
        QFETCH(QString, size);
        const QString name = entry.value(QStringLiteral("Icon"), QStringLiteral("tovira"));
        const QString file
            = QStringLiteral("%1/apps/%2.%3")
                  .arg(size, name, size == QLatin1String("scalable") ? QStringLiteral("svg") : QStringLiteral("png"));
        QFile copy(installed(QStringLiteral("share/icons/hicolor/") + file));
        QFile original(QStringLiteral(TOVIRA_SOURCE_DIR "/resources/icons/hicolor/") + file);
        QVERIFY2(copy.open(QIODevice::ReadOnly), qPrintable(copy.fileName()));
        QVERIFY2(original.open(QIODevice::ReadOnly), qPrintable(original.fileName()));
        const QByteArray bytes = copy.readAll();
        QVERIFY(bytes == original.readAll());

        const QRegularExpressionMatch square = QRegularExpression(QStringLiteral("^(\\d+)x\\1$")).match(size);
        if (square.hasMatch()) {
            const int side = square.captured(1).toInt();
            QCOMPARE(QImage::fromData(bytes, "PNG").size(), QSize(side, side));
        } else {
            QVERIFY(bytes.contains("<svg"));
        }
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
