// The customer's details kept between runs, through the real store file: "儲存我的資料" writes
// them, the next start restores them (hand edits included, unreadable values left alone), a save
// that fails says so and spoils nothing, and a save killed half-way loses nothing either.

#include "support/gui_support.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <csignal>
#include <sys/resource.h>

namespace {

const QStringList saveFailed { "錯誤: 您的資料沒有儲存成功！！" };

QByteArray stored()
{
    QFile file(support::storePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pastes as a customer would: the one way to put any text at all into a box.
void paste(QLineEdit* into, const QString& text)
{
    QApplication::clipboard()->setText(text);
    into->setFocus();
    QTest::keyClick(into, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(into, Qt::Key_V, Qt::ControlModifier);
}

QStringList save(form::Form1& form)
{
    return support::messageBoxesDuring([&form] { support::click(form, QStringLiteral("Command8")); });
}

// The second program of the kill test: saves the details to the store under `argv[2]` over and
// over, alternating between two versions of them, until it is killed.
int keepSaving(int argc, char* argv[])
{
    qputenv("XDG_CONFIG_HOME", argv[2]);
    QApplication app(argc, argv);
    auto form = support::startProgram();
    for (int n = 0;; ++n) {
        const QString text(1 << 20, QChar(u'甲' + n % 2)); // a megabyte
        form->textBox("Text2")->setText(text);
        form->textBox("Text11")->setText(text);
        form->button("Command8")->click();
        std::puts("saved");
        std::fflush(stdout);
    }
}

} // namespace

class TestProfile : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;

    QString text(const char* box) const { return form->textBox(QLatin1String(box))->text(); }
    // "10 0001": the weekday and holiday boxes, then which time slot is selected.
    QString choices() const
    {
        QString shown = QString::number(form::checkValue(form->checkBox("Check1")))
            + QString::number(form::checkValue(form->checkBox("Check2"))) + ' ';
        for (auto* option : form->frame("Frame3")->findChildren<QRadioButton*>())
            shown += option->isChecked() ? '1' : '0';
        return shown;
    }
    void restart()
    {
        form.reset();
        form = support::startProgram();
    }

private slots:
    void init()
    {
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tovira").removeRecursively();
        form = support::startProgram();
        support::click(*form, QStringLiteral("Command2"));
        support::click(*form, QStringLiteral("Command3"));
    }

    void savedAndRestored()
    {
        QCOMPARE(choices(), QStringLiteral("10 0001")); // first run: weekday, no time slot preference
        const char* const typed[][3] = { { "Name", "Text2", "王小明" }, { "Address", "Text1", "台北市 1號" },
            { "NickName", "Text4", "wang99" }, { "Tel1", "Text5", "0912" }, { "Tel2", "Text9", "" },
            { "Account", "Text3", "12345" }, { "ATMDate", "Text6", "3/1 10:05" }, { "Day1", "Text8", "3/5" },
            { "Day2", "Text7", "3/6" }, { "Day3", "Text10", "3/7" } };
        QStringList expected { "[Information]", "NormalDay=0", "Holiday=1", "Time1=False", "Time2=True", "Time3=False",
            "Time4=False", "Remark=@Text(two\\r\\nlines \\\\ @Text(x))" };
        for (const auto& [key, box, value] : typed) {
            support::typeInto(form->textBox(QLatin1String(box)), QString::fromUtf8(value));
            expected << QString::fromUtf8(key) + '=' + QString::fromUtf8(value);
        }
        paste(form->textBox("Text11"), QStringLiteral("two\r\nlines \\ @Text(x)"));
        support::click(*form, QStringLiteral("Check2"));
        support::click(*form, QStringLiteral("Option2"));
        QCOMPARE(save(*form), QStringList());
        QStringList lines = QString::fromUtf8(stored()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("[Information]"));
        lines.sort();
        expected.sort();
        QCOMPARE(lines, expected);
        support::typeInto(form->textBox("Text2"), QStringLiteral("changed, not saved"));
        restart();
        for (const auto& [key, box, value] : typed)
            QCOMPARE(text(box), QString::fromUtf8(value));
        QCOMPARE(text("Text11"), QStringLiteral("two\r\nlines \\ @Text(x)"));
        QCOMPARE(choices(), QStringLiteral("01 0100"));
    }

    // Values a person edited by hand: what reads sensibly is restored, the rest leaves its control
    // as it was, and every other entry still restores.
    void handEdited_data()
    {
        support::addRows<QByteArray, QString>({ "file", "choices" },
            {
                { "greyed weekday", "NormalDay=2\nHoliday=0\n", "20 0001" },
                { "holiday not a number", "NormalDay=0\nHoliday=abc\n", "01 0001" },
                { "no time slot", "Time1=False\nTime2=False\nTime3=False\nTime4=False\n", "10 0000" },
                { "two slots, the last wins", "Time1=True\nTime2=false\nTime3=TRUE\nTime4=False\n", "10 0010" },
                { "slot not a boolean", "Time2=True\nTime3=sometimes\nTime4=\n", "10 0100" },
            });
    }
    void handEdited()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, choices);
        QFile store(support::storePath());
        QVERIFY(QDir().mkpath(QFileInfo(store).path()) && store.open(QIODevice::WriteOnly));
        store.write("\xEF\xBB\xBF; edited\r\n[Information]\r\nName=a=b, c\r\n" + file + "Remark=@Text(C:\\temp)\n");
        store.close();
        restart();
        QCOMPARE(this->choices(), choices);
        QCOMPARE(text("Text2"), QStringLiteral("a=b, c"));
        QCOMPARE(text("Text11"), QStringLiteral("@Text(C:\\temp)"));
    }

    // A save that cannot be written says so, keeps what was typed and leaves the last save whole;
    // once there is room again the same press works.
    void failedSave()
    {
        support::typeInto(form->textBox("Text2"), QStringLiteral("first"));
        QCOMPARE(save(*form), QStringList());
        const QByteArray before = stored();
        paste(form->textBox("Text2"), QString(100'000, u'次'));
        rlimit old {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        rlimit full = old;
        full.rlim_cur = rlim_t(before.size() * 2);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
        const QStringList messages = save(*form);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(messages, saveFailed);
        QCOMPARE(stored(), before);
        QCOMPARE(text("Text2"), QString(100'000, u'次'));
        QCOMPARE(save(*form), QStringList());
    }

    // A save killed at any moment leaves the last whole save, or the one under way, never a mix or a
    // part, megabyte texts and all; and what it left behind does not keep the next save waiting.
    void killedSaves()
    {
        for (int kill = 0; kill < 12; ++kill) {
            QProcess saver;
            saver.start(
                QCoreApplication::applicationFilePath(), { "--keep-saving", qEnvironmentVariable("XDG_CONFIG_HOME") });
            QVERIFY(saver.waitForReadyRead(30'000));
            QTest::qSleep(int(QRandomGenerator::global()->bounded(40)));
            saver.kill();
            saver.waitForFinished();
            restart();
            QCOMPARE(text("Text2").size(), 1 << 20);
            QCOMPARE(text("Text2").count(text("Text2").front()), 1 << 20);
            QCOMPARE(text("Text11"), text("Text2"));
        }
        // What a killed save may leave: its lock, empty if it died right after making it, and its copy
        // of the file under a temporary name. A copy the customer made by hand stays.
        for (const char* left : { ".lock", ".a1B2c3", ".backup" })
            QVERIFY(QFile(support::storePath() + left).open(QIODevice::WriteOnly));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(save(*form), QStringList());
        QVERIFY2(clock.elapsed() < 10'000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(QDir(QFileInfo(support::storePath()).path()).entryList(QDir::Files),
            QStringList({ "Tovira.conf", "Tovira.conf.backup" }));
    }
};

int main(int argc, char* argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--keep-saving") == 0)
        return keepSaving(argc, argv);
    QApplication app(argc, argv);
    TestProfile test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_profile.moc"
