// The customer's details kept between runs, through the real store file: start-up restores them as
// found, hand edits included; the save button writes them; and whatever the customer clicks, exactly
// one of the weekday and holiday boxes is ticked.

#include "profile/stored_text.h"
#include "support/gui_support.h"

#include <QClipboard>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

// What a customer types, under the key it is stored with; Tel2 stays empty.
const char* const typedDetails[][3] = { { "Name", "Text2", "Wang" }, { "Address", "Text1", "Taipei 1" },
    { "NickName", "Text4", "wang99" }, { "Tel1", "Text5", "0912" }, { "Tel2", "Text9", "" },
    { "Account", "Text3", "12345" }, { "ATMDate", "Text6", "3/1 10:05" }, { "Day1", "Text8", "3/5" },
    { "Day2", "Text7", "3/6" }, { "Day3", "Text10", "3/7" }, { "Remark", "Text11", "door" } };

} // namespace

class TestProfile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config; // each case's own $XDG_CONFIG_HOME, never the user's
    std::unique_ptr<form::Form1> form;

    // Where the program keeps the customer's details.
    QString storePath() const { return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tovira/Tovira.conf"; }
    QByteArray stored() const
    {
        QFile file(storePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A fresh window on the store, which a person has edited by hand to hold `file` if given; the
    // details page in view.
    void start(const QByteArray& file = {})
    {
        if (QFile store(storePath()); !file.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(store).path()) && store.open(QIODevice::WriteOnly));
            QCOMPARE(store.write(file), file.size());
        }
        form.reset();
        form = support::startProgram();
        form->switchPage(QStringLiteral("Frame1"), QStringLiteral("Frame3"));
    }
    int check(int n) const { return form::checkValue(form->checkBox(QStringLiteral("Check%1").arg(n))); }
    void click(const QString& name) { QTest::mouseClick(form->control(name), Qt::LeftButton); }
    // Presses the save button; what message boxes that showed.
    QStringList save()
    {
        return support::messageBoxesDuring([this] { click(QStringLiteral("Command8")); });
    }
    QLineEdit* box(const char* name) const { return form->textBox(QLatin1String(name)); }

    // Weekday cleared by ticking holiday, time slot 12~17.
    void fillDetails()
    {
        for (const auto& [key, name, typed] : typedDetails)
            support::typeInto(box(name), QLatin1String(typed));
        click(QStringLiteral("Check2"));
        click(QStringLiteral("Option2"));
    }

    // Pastes as a customer would, the only way to enter any text at all.
    void paste(QLineEdit* into, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        into->setFocus();
        QTest::keyClick(into, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(into, Qt::Key_V, Qt::ControlModifier);
    }

private slots:
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
        start();
    }
    void cleanup()
    {
        form.reset();
        config.reset();
    }

    void firstRun()
    {
        for (const auto& [key, name, typed] : typedDetails)
            QVERIFY2(box(name)->text().isEmpty(), name);
        QCOMPARE(check(1), 1);
        QCOMPARE(check(2), 0);
        QCOMPARE(support::options(*form), QStringLiteral("0001"));
        QVERIFY2(!QFile::exists(storePath()), "start-up wrote the store");
    }

    // The day type and time slot as stored; a value that reads as nothing leaves its control alone,
    // and every other entry still restores.
    void choices_data()
    {
        support::addRows<QByteArray, int, int, QString>({ "file", "weekday", "holiday", "options" },
            {
                { "day type 1 0", "NormalDay=1\nHoliday=0\n", 1, 0, "0001" },
                { "day type 0 1", "NormalDay=0\nHoliday=1\n", 0, 1, "0001" },
                { "day type 0 0", "NormalDay=0\nHoliday=0\n", 1, 0, "0001" },
                { "day type 1 1", "NormalDay=1\nHoliday=1\n", 0, 1, "0001" },
                // The holiday default is its value after the weekday box's handler ran.
                { "day type 0, holiday missing", "NormalDay=0\n", 0, 1, "0001" },
                { "greyed weekday", "NormalDay=2\nHoliday=0\n", 2, 0, "0001" },
                { "slot as saved", "Time1=False\nTime2=True\nTime3=False\nTime4=False\n", 1, 0, "0100" },
                { "two True, last wins", "Time1=True\nTime2=False\nTime3=True\nTime4=False\n", 1, 0, "0010" },
                { "all True", "Time1=True\nTime2=True\nTime3=True\nTime4=True\n", 1, 0, "0001" },
                { "none True", "Time1=False\nTime2=False\nTime3=False\nTime4=False\n", 1, 0, "0000" },
                { "only Time1 stored", "Time1=True\n", 1, 0, "1000" },
                { "nothing stored", "", 1, 0, "0001" },
                { "weekday not a number", "NormalDay=abc\nHoliday=1\n", 0, 1, "0001" },
                { "holiday out of range", "NormalDay=0\nHoliday=7\n", 0, 1, "0001" },
                { "both unreadable", "NormalDay=-1\nHoliday=\n", 1, 0, "0001" },
                { "option not a boolean", "Time2=True\nTime3=sometimes\nTime4=maybe\n", 1, 0, "0100" },
                { "option empty", "Time1=\nTime4=\n", 1, 0, "0001" },
                // What has always been read sensibly still is.
                { "booleans in any case", "Time1=true\nTime2=FALSE\nTime3=false\nTime4=fAlSe\n", 1, 0, "1000" },
                { "numeric booleans", "Time3=-1\nTime4=0\n", 1, 0, "0010" },
                { "blanks around numbers", "NormalDay= 0 \nHoliday= 1\n", 0, 1, "0001" },
            });
    }
    void choices()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, weekday);
        QFETCH(int, holiday);
        QFETCH(QString, options);
        start("[Information]\nName=王小明\nDay1=3/5\n" + file + "Remark=放門口\n");
        QCOMPARE(check(1), weekday);
        QCOMPARE(check(2), holiday);
        QCOMPARE(support::options(*form), options);
        QCOMPARE(QStringList({ box("Text2")->text(), box("Text8")->text(), box("Text11")->text() }),
            QStringList({ "王小明", "3/5", "放門口" }));
    }

    void handEditedTexts_data()
    {
        support::addRows<QByteArray, QString, QString>({ "file", "box", "expected" },
            {
                { "comma list", "[Information]\nName=a, b\n", "Text2", "a, b" },
                { "semicolon", "[Information]\nAddress=台北市; 3樓\n", "Text1", "台北市; 3樓" },
                { "blanks", "[Information]\nNickName=  spaced  \n", "Text4", "  spaced  " },
                { "backslash", "[Information]\nTel1=a\\,b\n", "Text5", "a\\,b" },
                { "quotes", "[Information]\nTel2=a \"b\" c\n", "Text9", "a \"b\" c" },
                { "type-like", "[Information]\nAccount=@Invalid()\n", "Text3", "@Invalid()" },
                { "list-like", "[Information]\nATMDate=@String(x)\n", "Text6", "@String(x)" },
                { "escape-like", "[Information]\nDay1=@Text(C:\\temp)\n", "Text8", "@Text(C:\\temp)" },
                { "equals and hash", "[Information]\nDay2=#1=2\n", "Text7", "#1=2" },
                { "Windows line ends", "[Information]\r\nDay3=週六\r\n", "Text10", "週六" },
                { "byte order mark", "\xEF\xBB\xBF[Information]\nRemark=x\n", "Text11", "x" },
                { "comment lines", "; mine\n[Information]\n# too\nRemark=y\n", "Text11", "y" },
                { "other section", "[Other]\nRemark=no\n[Information]\nName=yes\n[Later]\nName=no\n", "Text2", "yes" },
            });
    }
    void handEditedTexts()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, box);
        QFETCH(QString, expected);
        start(file);
        QCOMPARE(form->textBox(box)->text(), expected);
    }

    // The edges of reading check box and option values from a hand-edited store: what each kind of
    // value reads as (options as 1 for True, 0 for False), or -1 for nothing.
    void storedValues_data()
    {
        support::addRows<QString, QString, int>({ "kind", "text", "expected" },
            {
                { "check, leading zero", "check", "01", 1 },
                { "check, decimal", "check", "1.0", 1 },
                { "check, half rounds to even, down", "check", "0.5", 0 },
                { "check, half rounds to even, up", "check", "1.5", 2 },
                { "check, just below zero", "check", "-0.4", 0 },
                { "check, boolean word", "check", "True", -1 },
                { "check, trailing letters", "check", "1x", -1 },
                { "check, three", "check", "3", -1 },
                { "check, beyond 16 bits", "check", "70000", -1 },
                { "check, infinite", "check", "inf", -1 },
                { "option, fraction", "option", "0.5", 1 },
                { "option, negative zero", "option", "-0", 0 },
                { "option, yes", "option", "yes", -1 },
                { "option, longer word", "option", "Truely", -1 },
                { "option, not a number", "option", "nan", -1 },
            });
    }
    void storedValues()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(int, expected);
        const std::optional<bool> option = profile::optionFromText(text);
        QCOMPARE(kind == "check" ? profile::checkFromText(text).value_or(-1) : option ? int(*option) : -1, expected);
    }

    // The clicked box changes, and the other always ends opposite it.
    void dayTypeClicks()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        for (int i = 0; i < 200; ++i) {
            const int clicked = 1 + int(random.bounded(2));
            const int before = check(clicked);
            QTest::mouseClick(form->checkBox(QStringLiteral("Check%1").arg(clicked)), Qt::LeftButton);
            const QByteArray where = "seed " + QByteArray::number(seed) + ", click " + QByteArray::number(i);
            QVERIFY2(check(clicked) == 1 - before, where);
            QVERIFY2(check(3 - clicked) == before, where);
        }
    }

    // All seventeen keys are written and come back, an empty box as a present key ("Tel2=") that
    // restores empty; changes made after the save do not come back.
    void savedDetailsComeBack()
    {
        start("[Information]\nTel2=old\n");
        fillDetails();
        const QStringList saved = support::snapshot(*form);
        QCOMPARE(save(), QStringList());
        QStringList lines = QString::fromUtf8(stored()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("[Information]"));
        QStringList expected { "[Information]", "NormalDay=0", "Holiday=1", "Time1=False", "Time2=True", "Time3=False",
            "Time4=False" };
        for (const auto& [key, name, typed] : typedDetails)
            expected << QLatin1String(key) + '=' + QLatin1String(typed);
        lines.sort();
        expected.sort();
        QCOMPARE(lines, expected);
        support::typeInto(box("Text2"), QStringLiteral("Chen"));
        click(QStringLiteral("Check1"));
        click(QStringLiteral("Option4"));
        QVERIFY(support::snapshot(*form) != saved);
        start();
        QCOMPARE(support::snapshot(*form), saved);
    }

    void savingTwiceWritesTheSameAndShowsNothing()
    {
        fillDetails();
        const QStringList shown = support::snapshot(*form);
        QCOMPARE(save(), QStringList());
        const QByteArray first = stored();
        QCOMPARE(save(), QStringList());
        QCOMPARE(stored(), first);
        QCOMPARE(support::snapshot(*form), shown);
    }

    void awkwardTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("CJK") << QStringLiteral("台北市中山區松江路１號３樓");
        QTest::newRow("emoji") << QStringLiteral("🍲 謝謝 👍🏽");
        QTest::newRow("equals") << QStringLiteral("a=b==c");
        QTest::newRow("semicolon") << QStringLiteral("a;b ;c");
        QTest::newRow("comma") << QStringLiteral("a, b,c");
        QTest::newRow("backslashes") << QStringLiteral("C:\\new\\\\x\\");
        QTest::newRow("quotes") << QStringLiteral("\"a\" 'b' \"");
        QTest::newRow("blanks around") << QStringLiteral("  two blanks each side  ");
        QTest::newRow("at sign") << QStringLiteral("@home");
        QTest::newRow("type-like") << QStringLiteral("@Variant(x)");
        QTest::newRow("escape-like") << QStringLiteral("@Text(a\\nb)");
        QTest::newRow("hash") << QStringLiteral("#5 [Information]");
        QTest::newRow("line breaks") << QStringLiteral("1F\r\n2F\nend\r");
        QTest::newRow("tab") << QStringLiteral("a\tb");
        QTest::newRow("100 000 characters") << QString(100'000, QChar(0x4E2D));
    }
    void awkwardTexts()
    {
        QFETCH(QString, text);
        paste(box("Text2"), text);
        paste(box("Text11"), text);
        QCOMPARE(box("Text2")->text(), text);
        QCOMPARE(save(), QStringList());
        start();
        QCOMPARE(box("Text2")->text(), text);
        QCOMPARE(box("Text11")->text(), text);
        QCOMPARE(box("Text1")->text(), QString()); // nothing spilled into the next entry
    }

    // The customer is told, and keeps everything typed.
    void failedSave_data()
    {
        QTest::addColumn<bool>("folderInPlaceOfFile");
        QTest::newRow("config folder cannot be made") << false;
        QTest::newRow("a folder where the file belongs") << true;
    }
    void failedSave()
    {
        QFETCH(bool, folderInPlaceOfFile);
        // A folder where the file belongs; or, for root too (who ignores file modes), a config folder
        // that would have to be made inside a regular file.
        QFile blocker(config->filePath("blocker"));
        QVERIFY(folderInPlaceOfFile ? QDir().mkpath(storePath()) : blocker.open(QIODevice::WriteOnly));
        if (!folderInPlaceOfFile)
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName() + "/config"));
        fillDetails();
        const QStringList typed = support::snapshot(*form);
        QCOMPARE(save(), QStringList { "錯誤: 您的資料沒有儲存成功！！" });
        QCOMPARE(support::snapshot(*form), typed);
    }
};

QTEST_MAIN(TestProfile)
#include "tst_profile.moc"
