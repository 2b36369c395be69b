// A store file that is missing, empty, cut short or garbage, a folder or a file where the store
// should be, a store that cannot be written, and what a save that was killed left. Start-up
// always completes, showing what could be read and the design-time values for the rest; a save
// either works at once (and the store then holds exactly what the window shows) or says it failed
// and leaves the store as it was.

#include "form/form1.h"
#include "profile_values.h"
#include "robustness/temporary_store.h"
#include "stand_ins.h"
#include "store_generations.h"
#include "support/gui_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace robustness;

namespace {

const QString saveFailed = QStringLiteral("錯誤|您的資料沒有儲存成功！！");

// The store file as a save of generation 7 writes it.
QByteArray savedFile()
{
    TemporaryStore store;
    auto form = support::startProgram();
    showProfile(*form, generationProfile(7));
    QTest::mouseClick(form->button(QStringLiteral("Command8")), Qt::LeftButton);
    return store.contents();
}

QByteArray garbage(int size)
{
    QRandomGenerator rng(size);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(rng.bounded(256));
    return bytes;
}

// True when `shown` is what a store cut short can give for an entry: the saved value, the
// design-time one, or the saved text cut somewhere (perhaps inside a character, whose remaining
// bytes read as replacement characters).
bool readableRemainder(const QString& shown, const QString& saved, const QString& design, bool text)
{
    if (shown == saved || shown == design)
        return true;
    QString cut = shown;
    while (cut.endsWith(QChar::ReplacementCharacter)) // the bytes left of a character cut in two
        cut.chop(1);
    return text && saved.startsWith(cut);
}

} // namespace

class TestStoreFaults : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporaryStore> store;
    std::unique_ptr<form::Form1> form;
    std::unique_ptr<MessageBoxAnswerer> answerer;

    QString folder() const { return QFileInfo(store->filePath()).path(); }

    // Saves generation `generation` through the window; returns the message boxes it showed.
    QStringList save(int generation)
    {
        showProfile(*form, generationProfile(generation));
        QTest::mouseClick(form->button(QStringLiteral("Command8")), Qt::LeftButton);
        return answerer->takeAnswered();
    }

private slots:
    void init()
    {
        store = std::make_unique<TemporaryStore>();
        answerer = std::make_unique<MessageBoxAnswerer>([] { return Answer::OkButton; });
    }
    void cleanup()
    {
        form.reset();
        answerer.reset();
        if (QFileInfo(folder()).exists())
            QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        store.reset();
    }

    void startUp_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray saved = savedFile();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << QByteArray("[Information]\n");
        for (int percent : { 1, 30, 60, 90, 99 })
            QTest::addRow("cut at %d%%", percent) << saved.left(saved.size() * percent / 100);
        const qsizetype inRemark = saved.indexOf("Remark=") + 40; // inside a Chinese character
        QTest::newRow("cut inside a character") << saved.left(inRemark);
        QTest::newRow("zeros, as after a crash of the disk") << QByteArray(4096, '\0');
        QTest::newRow("random bytes") << garbage(65'536);
        QTest::newRow("random bytes after the header") << QByteArray("[Information]\n") + garbage(65'536);
        QTest::newRow("values that mean nothing")
            << QByteArray("[Information]\nNormalDay=maybe\nHoliday=-\nTime1=yes\nTime4=\x01\nName\n=x\n");
        QTest::newRow("other sections only") << QByteArray("[Other]\nName=x\n[Information/Deeper]\nName=y\n");
    }
    void startUp()
    {
        QFETCH(QByteArray, file);
        store->writeByHand(file);
        form = support::startProgram();
        const QStringList shown = shownProfile(*form);
        const QStringList saved = generationProfile(7);
        const QStringList design = designProfile();
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const bool text = !QStringList { "NormalDay", "Holiday", "Time1", "Time2", "Time3", "Time4" }.contains(
                profileKeys().at(i));
            QVERIFY2(readableRemainder(shown.at(i), saved.at(i), design.at(i), text),
                qPrintable(profileKeys().at(i) + QStringLiteral(": ") + shown.at(i).left(40)));
        }
        // The next save replaces whatever the file held with the window's details.
        QCOMPARE(save(8), QStringList());
        QCOMPARE(generationOf(storedProfile()), 8);
    }

    void missingStore()
    {
        form = support::startProgram();
        QCOMPARE(shownProfile(*form), designProfile());
        QVERIFY(!QFile::exists(store->filePath()));
        QCOMPARE(save(1), QStringList());
        QCOMPARE(generationOf(storedProfile()), 1);
    }

    void unwritableStore_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("a folder where the file belongs") << QStringLiteral("folder");
        QTest::newRow("a file where the folders belong") << QStringLiteral("file");
        QTest::newRow("a read-only folder") << QStringLiteral("read-only");
    }
    void unwritableStore()
    {
        QFETCH(QString, fault);
        if (fault == QLatin1String("folder"))
            store->putFolderInPlaceOfFile();
        else if (fault == QLatin1String("file"))
            store->makeFolderUncreatable();
        else {
            store->writeByHand(savedFile());
            QVERIFY(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
            QVERIFY(QFile::setPermissions(store->filePath(), QFile::ReadOwner));
            if (geteuid() == 0)
                QSKIP("the administrator may write anywhere; the other rows make the save fail another way");
        }
        const QByteArray before = store->contents();
        form = support::startProgram();
        const QStringList restored = shownProfile(*form);
        QCOMPARE(restored, before.isEmpty() ? designProfile() : generationProfile(7));

        QCOMPARE(save(8), QStringList { saveFailed });
        QCOMPARE(shownProfile(*form), generationProfile(8)); // what was typed stays in the window
        QCOMPARE(store->contents(), before);
    }

    // A save that cannot write all of the file (the disk fills up) leaves the previous save whole.
    void diskFullMidSave()
    {
        form = support::startProgram();
        QCOMPARE(save(7), QStringList());
        const QByteArray before = store->contents();

        struct rlimit old { };
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        struct rlimit small = old;
        small.rlim_cur = rlim_t(before.size() / 2);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const QStringList messages = save(8);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(messages, QStringList { saveFailed });
        QCOMPARE(store->contents(), before);
        QCOMPARE(save(8), QStringList()); // room again: the same press works
        QCOMPARE(generationOf(storedProfile()), 8);
    }

    // A save killed at the wrong moment leaves the store's lock file behind, empty if it died just
    // after making it. The next save must not make the customer wait for it.
    void lockLeftByKilledSave_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("half written") << QByteArray("12");
        QTest::newRow("of a process that ended")
            << QByteArray("999999\nprofile_saver\n") + QSysInfo::machineHostName().toUtf8() + '\n';
    }
    void lockLeftByKilledSave()
    {
        QFETCH(QByteArray, lock);
        form = support::startProgram();
        QCOMPARE(save(7), QStringList());
        QFile file(store->filePath() + QStringLiteral(".lock"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lock);
        file.close();

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(save(8), QStringList());
        QVERIFY2(clock.elapsed() < 10'000, qPrintable(QStringLiteral("the save took %1 ms").arg(clock.elapsed())));
        QCOMPARE(generationOf(storedProfile()), 8);
    }

    // A save killed just before putting its new copy of the file in place leaves the copy under a
    // temporary name. The next save clears it, and nothing the customer may have put there.
    void copyLeftByKilledSave()
    {
        form = support::startProgram();
        QCOMPARE(save(7), QStringList());
        const QString stray = store->filePath() + QStringLiteral(".a1B2c3");
        const QString backup = store->filePath() + QStringLiteral(".backup");
        for (const QString& name : { stray, backup }) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(store->contents());
        }
        QCOMPARE(save(8), QStringList());
        QVERIFY(!QFile::exists(stray));
        QVERIFY(QFile::exists(backup));
        QCOMPARE(generationOf(storedProfile()), 8);
    }
};

QTEST_MAIN(TestStoreFaults)
#include "tst_store_faults.moc"
