#include "support/store_access.h"

#include <QDir>
#include <QFile>
#include <QTest>

#ifdef Q_OS_WIN
#include <vector>
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
    const auto wide = [](const QString& text) { return reinterpret_cast<const wchar_t*>(text.utf16()); };
} // namespace

void clearStore() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Tovira"); }

void putInStore(const StoredValues& values)
{
    clearStore();
    HKEY information = nullptr;
    QCOMPARE(RegCreateKeyExW(HKEY_CURRENT_USER, subkey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &information, nullptr),
        ERROR_SUCCESS);
    for (const StoredValue& value : values) {
        const DWORD number = value.text.toUInt();
        const QByteArray data = value.kind == StoredValue::RegistryNumber
            ? QByteArray(reinterpret_cast<const char*>(&number), sizeof number)
            : value.kind == StoredValue::RegistryBytes
            ? QByteArray::fromHex(value.text.toLatin1())
            : QByteArray(reinterpret_cast<const char*>(value.text.utf16()), (value.text.size() + 1) * 2);
        RegSetValueExW(information, wide(value.key), 0, value.kind, reinterpret_cast<const BYTE*>(data.constData()),
            DWORD(data.size()));
    }
    RegCloseKey(information);
}

QStringList storedLines()
{
    HKEY information = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subkey, 0, KEY_QUERY_VALUE, &information) != ERROR_SUCCESS)
        return {}; // no key: nothing saved
    QStringList lines;
    std::vector<wchar_t> name(256), text(4 << 20);
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = DWORD(name.size()), textBytes = DWORD(text.size() * 2), type = 0;
        if (RegEnumValueW(information, i, name.data(), &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                &textBytes)
            != ERROR_SUCCESS)
            break;
        // A text as it stands, without its closing zero; any other kind of value by its kind alone.
        lines << QString::fromWCharArray(name.data(), nameSize) + '='
                + (type == REG_SZ ? QString::fromWCharArray(text.data(), textBytes / 2).section(QChar(0), 0, 0)
                                  : QStringLiteral("(kind %1)").arg(type));
    }
    RegCloseKey(information);
    lines.sort();
    return lines;
}

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

// As a text editor may save the file: with a byte-order mark, a comment and CR LF line ends.
void putInStore(const StoredValues& values)
{
    QByteArray bytes = "\xEF\xBB\xBF; edited by hand\r\n[Information]\r\n";
    for (const StoredValue& value : values)
        bytes += (value.key + '=' + value.text + "\r\n").toUtf8();
    QFile file(storeFile());
    QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList storedLines()
{
    QFile file(storeFile());
    QStringList lines
        = QString::fromUtf8(file.open(QIODevice::ReadOnly) ? file.readAll() : "").split('\n', Qt::SkipEmptyParts);
    if (lines.value(0) != QStringLiteral("[Information]")) // the one section, and nothing before it
        return {};
    lines.removeFirst();
    lines.sort();
    return lines;
}

// Files may not grow past a byte, as on a full disk: the save's new copy of the file cannot be
// written.
void refuseSaves(bool refuse)
{
    static rlimit before {};
    if (refuse)
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    std::signal(SIGXFSZ, refuse ? SIG_IGN : SIG_DFL); // a write past the limit fails instead of ending the program
    const rlimit limit { refuse ? 0 : before.rlim_cur, before.rlim_max };
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

#endif

} // namespace support
