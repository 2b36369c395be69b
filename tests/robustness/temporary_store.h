#pragma once
// A settings store of the test's own: $XDG_CONFIG_HOME points into a fresh temporary folder for as
// long as the object lives. The program works the store's path out on every use, so each test can
// have its own without touching the user's.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TemporaryStore {
public:
    TemporaryStore()
        : previous_(qgetenv("XDG_CONFIG_HOME"))
        , hadPrevious_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        QVERIFY(folder_.isValid());
        useConfigFolder(folder_.path());
    }
    ~TemporaryStore()
    {
        if (hadPrevious_)
            qputenv("XDG_CONFIG_HOME", previous_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    TemporaryStore(const TemporaryStore&) = delete;
    TemporaryStore& operator=(const TemporaryStore&) = delete;

    // Where the program keeps the customer's details: $XDG_CONFIG_HOME/Tovira/Tovira.conf.
    QString filePath() const { return configFolder_ + QStringLiteral("/Tovira/Tovira.conf"); }

    QByteArray contents() const
    {
        QFile file(filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Writes the store as a person editing it by hand would.
    void writeByHand(const QByteArray& text) const
    {
        QVERIFY(QDir().mkpath(configFolder_ + QStringLiteral("/Tovira")));
        QFile file(filePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(text), text.size());
    }

    // Makes every save fail, for root too (who ignores file modes): the config folder would have
    // to be made inside a regular file.
    void makeFolderUncreatable()
    {
        QFile blocker(folder_.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        useConfigFolder(blocker.fileName() + QStringLiteral("/config"));
    }

    // Makes every save fail another way: a folder stands where the store's file belongs.
    void putFolderInPlaceOfFile() const { QVERIFY(QDir().mkpath(filePath())); }

private:
    void useConfigFolder(const QString& path)
    {
        configFolder_ = path;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path));
    }

    QByteArray previous_;
    bool hadPrevious_;
    QTemporaryDir folder_;
    QString configFolder_;
};
