#include "support/store_access.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <QProcess>
#include <windows.h>

#include <sddl.h> // needs windows.h first
#else
#include <csignal>
#include <sys/resource.h>
#endif

namespace support {

#ifdef Q_OS_WIN

namespace {
    const wchar_t* const subkey = L"Software\\VB and VBA Program Settings\\Tovira\\Information";
    const QString key = "HKEY_CURRENT_USER\\" + QString::fromWCharArray(subkey);

    void reg(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral("reg"), arguments);
        QVERIFY2(process.waitForFinished(30'000) && process.exitCode() == 0, qPrintable(arguments.join(' ')));
    }

    // reg.exe's notation for a text: backslashes and quotes escaped, line breaks written as \r and \n.
    QString quoted(QString text)
    {
        text.replace('\\', "\\\\").replace('"', "\\\"").replace('\r', "\\r").replace('\n', "\\n");
        return '"' + text + '"';
    }
} // namespace

void clearStore() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Tovira"); }

void putInStore(const StoredValues& values)
{
    clearStore();
    QString file = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n[%1]\r\n").arg(key);
    for (const StoredValue& value : values) {
        const QString data = value.kind == StoredValue::RegistryNumber
            ? QStringLiteral("dword:%1").arg(value.text.toUInt(), 8, 16, QLatin1Char('0'))
            : value.kind == StoredValue::RegistryBytes ? "hex:" + value.text
                                                       : quoted(value.text);
        file += quoted(value.key) + '=' + data + "\r\n";
    }
    QTemporaryDir folder;
    QFile reg(folder.filePath("values.reg"));
    QVERIFY(reg.open(QIODevice::WriteOnly));
    reg.write("\xFF\xFE"); // UTF-16LE, as reg.exe reads and writes its files
    reg.write(reinterpret_cast<const char*>(file.utf16()), file.size() * 2);
    reg.close();
    support::reg({ "import", QDir::toNativeSeparators(reg.fileName()) });
}

QStringList storedLines()
{
    QTemporaryDir folder;
    const QString path = QDir::toNativeSeparators(folder.filePath("values.reg"));
    QProcess process;
    process.start(QStringLiteral("reg"), { "export", key, path, "/y" });
    process.waitForFinished(30'000);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {}; // no key: nothing saved
    const QByteArray bytes = file.readAll().sliced(2); // after the byte-order mark
    QStringList lines = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2)
                            .split(QStringLiteral("\r\n"))
                            .filter(QRegularExpression(QStringLiteral("^\"")));
    lines.sort();
    return lines;
}

QString storedLine(const QString& name, const QString& text) { return quoted(name) + '=' + quoted(text); }

// The key's permissions deny the right to set values, so the program's save is refused when it opens
// the key, as on a machine whose administrator locked it.
void refuseSaves(bool refuse)
{
    HKEY information = nullptr;
    QCOMPARE(RegCreateKeyExW(HKEY_CURRENT_USER, subkey, 0, nullptr, 0, WRITE_DAC, nullptr, &information, nullptr),
        ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR security = nullptr;
    QVERIFY(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        refuse ? L"D:(D;;0x6;;;WD)(A;;KA;;;WD)" : L"D:(A;;KA;;;WD)", SDDL_REVISION_1, &security, nullptr));
    const LSTATUS status = RegSetKeySecurity(information, DACL_SECURITY_INFORMATION, security);
    LocalFree(security);
    RegCloseKey(information);
    QCOMPARE(status, ERROR_SUCCESS);
}

#else

namespace {
    QString storeFile() { return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Tovira/Tovira.conf"); }
} // namespace

void clearStore() { QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tovira").removeRecursively(); }

void putInStore(const StoredValues& values)
{
    QByteArray bytes = "[Information]\n";
    for (const StoredValue& value : values)
        bytes += (value.key + '=' + value.text + '\n').toUtf8();
    QFile file(storeFile());
    QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList storedLines()
{
    QFile file(storeFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    if (lines.value(0) != QStringLiteral("[Information]")) // the one section, and nothing before it
        return {};
    lines.removeFirst();
    lines.sort();
    return lines;
}

QString storedLine(const QString& name, const QString& text) { return name + '=' + text; }

// Files may not grow past a byte, as on a full disk: the save's new copy of the file cannot be
// written.
void refuseSaves(bool refuse)
{
    static rlimit before {};
    if (refuse) {
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the program
        rlimit full = before;
        full.rlim_cur = 0;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    } else {
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &before), 0);
        std::signal(SIGXFSZ, SIG_DFL);
    }
}

#endif

} // namespace support
