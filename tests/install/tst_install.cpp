// What `cmake --install` puts where a desktop, a software centre and a packager look for it, and what
// the installed program answers on the command line. Installs the build tree into a temporary prefix
// once and reads the result.

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Run {
    int exitCode = -1; // -1 when the program crashed or hung
    QString out, err;
};

// Runs `program` to the end as from a bare terminal: no display, no setting but the language.
Run run(const QString& program, const QStringList& arguments)
{
    QProcessEnvironment bare;
    bare.insert("LC_ALL", "C.UTF-8");
    QProcess process;
    process.setProcessEnvironment(bare);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return { ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir prefix;
    QByteArray installed(const QString& relative) const { return read(prefix.filePath(relative)); }
    QString gunzip(const QString& relative) const { return run("gzip", { "-dc", prefix.filePath(relative) }).out; }

private slots:
    void initTestCase()
    {
        const Run install = run(TOVIRA_CMAKE, { "--install", TOVIRA_BUILD_DIR, "--prefix", prefix.path() });
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
    }

    // The menu entry starts the installed program, and software centres launch that very entry.
    void desktopEntryAndSoftwareCentreMetadata()
    {
        const QList<QByteArray> lines = installed("share/applications/com.example.tovira.Tovira.desktop").split('\n');
        for (const char* line : { "[Desktop Entry]", "Type=Application", "Name=Tovira幫你算", "Exec=tovira",
                 "Icon=tovira", "Terminal=false", "Categories=Office;", "StartupWMClass=Tovira" })
            QVERIFY2(lines.contains(line), line);
        QVERIFY(installed("share/metainfo/com.example.tovira.Tovira.metainfo.xml")
                    .contains("<launchable type=\"desktop-id\">com.example.tovira.Tovira.desktop</launchable>"));
    }

    // Each the very file of the source tree, each bitmap as large as its folder says.
    void iconAtEverySizeTheThemeAsksFor()
    {
        for (const QString size : { "16x16", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256", "scalable" }) {
            const QString file = size + (size == "scalable" ? "/apps/tovira.svg" : "/apps/tovira.png");
            const QByteArray bytes = installed("share/icons/hicolor/" + file);
            const QImage image = QImage::fromData(bytes);
            QVERIFY2(bytes == read(TOVIRA_SOURCE_DIR "/resources/icons/hicolor/" + file), qPrintable(file));
            QVERIFY2(size == "scalable" || QString("%1x%2").arg(image.width()).arg(image.height()) == size,
                qPrintable(file));
        }
    }

    void manualPageChangelogAndCopyright()
    {
        QVERIFY(gunzip("share/man/man1/tovira.1.gz").startsWith(".TH TOVIRA 1 "));
        QVERIFY(gunzip("share/doc/tovira/changelog.gz").startsWith("tovira (" TOVIRA_VERSION ") "));
        QVERIFY(installed("share/doc/tovira/copyright").startsWith("Format: https://www.debian.org/"));
    }

    // Answered in the terminal with no display at all: opening a window there would abort the program.
    void commandLineWithoutADisplay()
    {
        const auto tovira = [this](const char* option) { return run(prefix.filePath("bin/tovira"), { option }); };
        const Run help = tovira("--help"), version = tovira("--version"), typo = tovira("--hl");
        QCOMPARE(QList({ help.exitCode, version.exitCode, typo.exitCode }), QList({ 0, 0, 2 }));
        QCOMPARE(version.out, QString("tovira " TOVIRA_VERSION "\n"));
        QVERIFY2(help.out.startsWith("Usage: ") && help.err.isEmpty(), qPrintable(help.err));
        // An error is one line, then the usage.
        QVERIFY2(typo.err.startsWith("tovira: Unknown option 'hl'.\nUsage: "), qPrintable(typo.err));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
