// What the installed program answers on the command line. Installs the build tree into a temporary
// prefix once and runs the result. (That the menu entry, icons, manual page, changelog, copyright and
// software-centre metadata are there and well formed is what scripts/lint-package checks with lintian
// and AppStream's validator.)

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs `program` to the end as from a bare terminal (no display, no setting but the language): its exit
// code (-1 when it crashed or hung), output and errors.
struct Run {
    int exitCode;
    QString out, err;
};
Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(QProcessEnvironment());
    process.start("env", QStringList { "LC_ALL=C.UTF-8", program } + arguments);
    const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return { ended ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError() };
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    // Answered in the terminal with no display at all: opening a window there would abort the program.
    void commandLineWithoutADisplay()
    {
        const QTemporaryDir prefix;
        const Run install = run(TOVIRA_CMAKE, { "--install", TOVIRA_BUILD_DIR, "--prefix", prefix.path() });
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
        const auto tovira = [&](const char* option) { return run(prefix.filePath("bin/tovira"), { option }); };
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
