#include "platform/settings_store.h"

#include "platform/raw_text_format.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

    // $XDG_CONFIG_HOME/Tovira/Tovira.conf (~/.config/Tovira/Tovira.conf), section [Information]. The
    // path is worked out on every use rather than by QSettings, which fixes it once per process.
    std::unique_ptr<QSettings> openUserStore()
    {
        const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QLatin1String("/Tovira/Tovira.conf");
        auto settings = std::make_unique<QSettings>(file, rawTextFormat());
        settings->setFallbacksEnabled(false); // never read keys from ~/.config/Tovira.conf or /etc/xdg
        settings->beginGroup(QStringLiteral("Information"));
        return settings;
    }

    // A save that is killed in the middle can leave two things behind, and nothing else would ever
    // clear them:
    // - its lock file ("Tovira.conf.lock"), empty if it died right after making it. QSettings would
    //   wait 30 seconds before taking an empty lock for stale, with the window frozen. A live save
    //   holds an flock on its lock, so a lock that nobody holds after a moment is left over.
    // - its new copy of the file, if it died between giving the copy a temporary name
    //   ("Tovira.conf.a1B2c3": six random letters and digits) and putting it in place. While the
    //   lock is ours no save is under way, so every such copy is left over. A name of six small
    //   letters is more likely a copy someone made by hand ("Tovira.conf.backup") and stays.
    void clearWhatKilledSavesLeft(const QString& file)
    {
        QLockFile lock(file + QLatin1String(".lock"));
        lock.setStaleLockTime(100);
        if (!lock.tryLock(1000)) // a save is under way, and QSettings waits for it
            return;
        const QFileInfo store(file);
        QDir folder = store.dir();
        const QRegularExpression strayCopy(QLatin1Char('^') + QRegularExpression::escape(store.fileName())
            + QLatin1String("\\.(?![a-z]{6}$)[A-Za-z0-9]{6}$"));
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
            if (strayCopy.match(name).hasMatch())
                folder.remove(name);
    }

} // namespace

class SettingsStore::Backend {
public:
    std::unique_ptr<QSettings> settings = openUserStore();
};

SettingsStore::SettingsStore()
    : backend_(std::make_unique<Backend>())
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(const QString& key, const QString& fallback) const
{
    return backend_->settings->value(key, fallback).toString();
}

void SettingsStore::write(const QString& key, const QString& text) { backend_->settings->setValue(key, text); }

bool SettingsStore::save()
{
    clearWhatKilledSavesLeft(backend_->settings->fileName());
    backend_->settings->sync();
    return backend_->settings->status() == QSettings::NoError;
}

} // namespace platform
