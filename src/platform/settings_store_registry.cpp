#include "platform/settings_store.h"

#include <QList>
#include <utility>
#include <vector>
#include <windows.h>

// On Windows the details live in the registry, under
//   HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Tovira\Information
// one REG_SZ value per key, holding the text exactly as typed. "Software\VB and VBA Program Settings"
// is where the Windows settings store keeps each application's sections (application, then section),
// so that is the key the program reads and writes.
//
// The registry is used directly rather than through QSettings, which would write a text starting with
// "@" as "@@…" and read "@Invalid()" or "@Variant(…)" as something else; and which reads numbers and
// binary data as if they were texts. Here a value that is not a string is unreadable and leaves its
// control as it was, like any other unreadable value.

namespace platform {

namespace {

    const wchar_t* const informationKey = L"Software\\VB and VBA Program Settings\\Tovira\\Information";

    const wchar_t* wide(const QString& text) { return reinterpret_cast<const wchar_t*>(text.utf16()); }

} // namespace

class SettingsStore::Backend {
public:
    Backend()
    {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, informationKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            key = nullptr; // nothing saved yet: every read gives its fallback
    }
    ~Backend()
    {
        if (key)
            RegCloseKey(key);
    }
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    HKEY key = nullptr;
    QList<std::pair<QString, QString>> written;
};

SettingsStore::SettingsStore()
    : backend_(std::make_unique<Backend>())
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(const QString& name, const QString& fallback) const
{
    if (!backend_->key)
        return fallback;
    std::vector<wchar_t> data;
    DWORD type = 0, size = 0;
    LSTATUS status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) { // the value may grow between asking its size and reading it
        status = RegQueryValueExW(backend_->key, wide(name), nullptr, &type, nullptr, &size);
        if (status != ERROR_SUCCESS)
            break;
        data.resize(size / sizeof(wchar_t) + 1);
        status
            = RegQueryValueExW(backend_->key, wide(name), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    }
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return fallback;
    QString text = QString::fromWCharArray(data.data(), qsizetype(size / sizeof(wchar_t)));
    if (text.endsWith(QChar(0))) // a string's terminating NUL, which a hand-made value may lack
        text.chop(1);
    return text;
}

void SettingsStore::write(const QString& name, const QString& text) { backend_->written.append({ name, text }); }

bool SettingsStore::save()
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, informationKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
            &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    bool saved = true;
    for (const auto& [name, text] : std::as_const(backend_->written)) {
        const auto bytes = DWORD((text.size() + 1) * sizeof(wchar_t)); // with the terminating NUL
        saved = RegSetValueExW(key, wide(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide(text)), bytes)
                == ERROR_SUCCESS
            && saved;
    }
    RegCloseKey(key);
    return saved;
}

} // namespace platform
