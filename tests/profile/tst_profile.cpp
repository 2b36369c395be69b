// The customer's details kept between runs, through the real store (a file on Linux, the registry
// on Windows) put in and read back from outside the program: "儲存我的資料" writes them, the next
// start restores them (hand edits included, unreadable values left alone), a save the store refuses
// says so and spoils nothing, and what a killed save left behind is cleared.

#include "support/gui_support.h"
#include "support/store_access.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>

namespace {

using support::StoredValue;

// Pastes as a customer would: the one way to put any text at all into a box.
void paste(QLineEdit* into, const QString& text)
{
    QApplication::clipboard()->setText(text);
    support::typeInto(into, {}); // emptied
    QTest::keyClick(into, Qt::Key_V, Qt::ControlModifier);
}

QStringList save(form::Form1& form) { return support::click(form, "Command8"); }

} // namespace

class TestProfile : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;

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
        support::clearStore();
        form = support::startProgram();
        support::click(*form, QStringLiteral("Command2"));
        support::click(*form, QStringLiteral("Command3"));
    }

    void savedAndRestored()
    {
        QCOMPARE(choices(), QStringLiteral("10 0001")); // first run: weekday, no time slot preference
        const char* const typed[][3] = { { "Name", "Text2", " 王小明 " }, { "Address", "Text1", "台北市 1號" },
            { "NickName", "Text4", "wang99" }, { "Tel1", "Text5", "0912" }, { "Tel2", "Text9", "" },
            { "Account", "Text3", "12345" }, { "ATMDate", "Text6", "3/1 10:05" }, { "Day1", "Text8", "3/5" },
            { "Day2", "Text7", "3/6" }, { "Day3", "Text10", "3/7" } };
        const QString remark = QStringLiteral("two\r\nlines \\ @Text(x)");
        QStringList expected { "NormalDay=0", "Holiday=1", "Time1=False", "Time2=True", "Time3=False", "Time4=False",
#ifdef Q_OS_WIN
            "Remark=" + remark };
#else
            "Remark=@Text(two\\r\\nlines \\\\ @Text(x))" }; // line breaks cannot stand on a line
#endif
        for (const auto& [key, box, value] : typed) {
            support::typeInto(form->textBox(QLatin1String(box)), QString::fromUtf8(value));
            expected << QString::fromUtf8(key) + '=' + QString::fromUtf8(value);
        }
        paste(form->textBox("Text11"), remark);
        support::click(*form, QStringLiteral("Check2"));
        support::click(*form, QStringLiteral("Option2"));
        QCOMPARE(save(*form), QStringList());
        expected.sort();
        QCOMPARE(support::storedLines(), expected);
        support::typeInto(form->textBox("Text2"), QStringLiteral("changed, not saved"));
        restart();
        for (const auto& [key, box, value] : typed)
            QCOMPARE(form->textBox(QLatin1String(box))->text(), QString::fromUtf8(value));
        QCOMPARE(form->textBox("Text11")->text(), remark);
        QCOMPARE(choices(), QStringLiteral("01 0100"));
    }

    // Values put in the store by hand or by another program: what reads sensibly is restored, the
    // rest leaves its control as the start-up and the entries before it left it.
    void storedValues_data()
    {
        // "choices": see choices(); "boxes": "Text2=…", what a text box shows.
        support::addRows<support::StoredValues, QString, QStringList>({ "stored", "choices", "boxes" },
            {
                // As a person would write them: texts Qt's own format would read as a list or an escape.
                { "texts as typed", { { "Name", "a=b, c" }, { "Remark", "@Text(C:\\temp)" } }, "10 0001",
                    { "Text2=a=b, c", "Text11=@Text(C:\\temp)" } },
                { "missing keys", { { "NormalDay", "0" }, { "Time2", "True" }, { "Remark", "x" } }, "01 0100",
                    { "Text2=", "Text11=x" } },
                { "both days ticked", { { "NormalDay", "1" }, { "Holiday", "1" } }, "01 0001", {} },
                { "holiday not a number", { { "NormalDay", "0" }, { "Holiday", "abc" } }, "01 0001", {} },
                { "no slot", { { "Time1", "False" }, { "Time2", "False" }, { "Time3", "False" }, { "Time4", "False" } },
                    "10 0000", {} },
                { "selected slot not a boolean",
                    { { "Time1", "False" }, { "Time2", "False" }, { "Time3", "False" }, { "Time4", "sometimes" } },
                    "10 0001", {} },
            });
#ifdef Q_OS_WIN
        QTest::newRow("numbers and bytes where texts belong") << support::StoredValues {
            { "Name", "8b730000", StoredValue::RegistryBytes }, { "NormalDay", "0", StoredValue::RegistryNumber },
            { "Time2", "5400720075006500", StoredValue::RegistryBytes }, { "Remark", "x" }
        } << "10 0001" << QStringList { "Text2=", "Text11=x" };
#endif
    }
    void storedValues()
    {
        QFETCH(support::StoredValues, stored);
        QFETCH(QString, choices);
        QFETCH(QStringList, boxes);
        support::putInStore(stored);
        restart();
        QCOMPARE(this->choices(), choices);
        for (const QString& box : boxes)
            QCOMPARE(form->textBox(box.section('=', 0, 0))->text(), box.section('=', 1));
    }

    // A save the store refuses says so, keeps what was typed and leaves the last save whole; once the
    // store accepts saves again the same press works.
    void refusedSave()
    {
        QCOMPARE(save(*form), QStringList());
        const QStringList before = support::storedLines();
        paste(form->textBox("Text2"), QString(100'000, u'次'));
        support::refuseSaves(true);
        const QStringList messages = save(*form);
        support::refuseSaves(false);
        QCOMPARE(messages, QStringList { "錯誤: 您的資料沒有儲存成功！！" });
        QCOMPARE(support::storedLines(), before);
        QCOMPARE(form->textBox("Text2")->text(), QString(100'000, u'次'));
        QCOMPARE(save(*form), QStringList());
        QVERIFY(support::storedLines().contains("Name=" + QString(100'000, u'次')));
    }

#ifndef Q_OS_WIN
    // What a save killed half-way may leave beside the file (QSettings writes a new copy under a
    // temporary name and renames it, so the file itself stays whole): its lock, empty if it died right
    // after making it, and its copy. Neither keeps the next save waiting or stays; a copy the customer
    // made by hand stays.
    void leftoversOfKilledSaves()
    {
        const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tovira";
        QVERIFY(QDir().mkpath(folder));
        for (const char* left : { ".lock", ".a1B2c3", ".backup" })
            QVERIFY(QFile(folder + "/Tovira.conf" + left).open(QIODevice::WriteOnly));
        const QDeadlineTimer deadline(10'000);
        QCOMPARE(save(*form), QStringList());
        QVERIFY(!deadline.hasExpired());
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({ "Tovira.conf", "Tovira.conf.backup" }));
    }
#endif
};

TOVIRA_TEST_MAIN(TestProfile)
#include "tst_profile.moc"
