#pragma once
// The customer's per-user settings store: text values under application "Tovira", section
// "Information", addressed by key. Where it lives depends on the platform: a text file on Linux and
// other Unix (settings_store_file.cpp), the registry on Windows (settings_store_registry.cpp).

#include <QString>
#include <memory>

namespace platform {

// One use of the store: open it, read or write some keys, save. Each use opens it afresh, so the
// store is found where it is at that moment.
class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The text stored under `key`, or `fallback` when the store has no such key or holds something
    // there that is not a text. An empty stored text is a present key.
    QString read(const QString& key, const QString& fallback) const;
    // Creates or replaces `key`; save() writes it out.
    void write(const QString& key, const QString& text);
    // Writes out what was written; false when the store could not be written, in which case it
    // keeps what it held before.
    [[nodiscard]] bool save();

private:
    class Backend; // the platform's own
    std::unique_ptr<Backend> backend_;
};

} // namespace platform
