// Start-up restores the customer's details from the store file as found, hand edits included.

#include "form/widgets.h"
#include "support/gui_support.h"
#include "temporary_store.h"

#include <QLineEdit>
#include <QRadioButton>

using form::Form1;

class TestProfileRestore : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporaryStore> store;
    std::unique_ptr<Form1> form;

    void startWith(const QByteArray& file)
    {
        store->writeByHand(file);
        form = support::startProgram();
    }
    int weekday() const { return form::checkValue(form->checkBox(QStringLiteral("Check1"))); }
    int holiday() const { return form::checkValue(form->checkBox(QStringLiteral("Check2"))); }
    // The selected time slot 1 to 4, 0 for none.
    int selectedSlot() const
    {
        int selected = 0;
        for (int n = 1; n <= 4; ++n)
            if (form->optionButton(QStringLiteral("Option%1").arg(n))->isChecked())
                selected = selected ? -1 : n;
        return selected;
    }
    QString text(const char* box) const { return form->textBox(QLatin1String(box))->text(); }

private slots:
    void init() { store = std::make_unique<TemporaryStore>(); }
    void cleanup()
    {
        form.reset();
        store.reset();
    }

    void firstRun()
    {
        form = support::startProgram();
        for (const char* box :
            { "Text2", "Text1", "Text4", "Text5", "Text9", "Text3", "Text6", "Text8", "Text7", "Text10", "Text11" })
            QVERIFY2(text(box).isEmpty(), box);
        QCOMPARE(weekday(), 1);
        QCOMPARE(holiday(), 0);
        QCOMPARE(selectedSlot(), 4);
        QVERIFY2(!QFile::exists(store->filePath()), "start-up wrote the store");
    }

    void dayType_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("expectedWeekday");
        QTest::addColumn<int>("expectedHoliday");
        QTest::newRow("1 0") << QByteArray("NormalDay=1\nHoliday=0\n") << 1 << 0;
        QTest::newRow("0 1") << QByteArray("NormalDay=0\nHoliday=1\n") << 0 << 1;
        QTest::newRow("0 0") << QByteArray("NormalDay=0\nHoliday=0\n") << 1 << 0;
        QTest::newRow("1 1") << QByteArray("NormalDay=1\nHoliday=1\n") << 0 << 1;
        // The holiday default is its value after the weekday box's handler ran.
        QTest::newRow("0, holiday missing") << QByteArray("NormalDay=0\n") << 0 << 1;
        QTest::newRow("greyed weekday") << QByteArray("NormalDay=2\nHoliday=0\n") << 2 << 0;
    }
    void dayType()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, expectedWeekday);
        QFETCH(int, expectedHoliday);
        startWith("[Information]\n" + file);
        QCOMPARE(weekday(), expectedWeekday);
        QCOMPARE(holiday(), expectedHoliday);
    }

    void timeSlot_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("expected");
        QTest::newRow("as saved") << QByteArray("Time1=False\nTime2=True\nTime3=False\nTime4=False\n") << 2;
        QTest::newRow("two True, last wins") << QByteArray("Time1=True\nTime2=False\nTime3=True\nTime4=False\n") << 3;
        QTest::newRow("all True") << QByteArray("Time1=True\nTime2=True\nTime3=True\nTime4=True\n") << 4;
        QTest::newRow("none True") << QByteArray("Time1=False\nTime2=False\nTime3=False\nTime4=False\n") << 0;
        QTest::newRow("only Time1 stored") << QByteArray("Time1=True\n") << 1;
        QTest::newRow("nothing stored") << QByteArray() << 4;
    }
    void timeSlot()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, expected);
        startWith("[Information]\n" + file);
        QCOMPARE(selectedSlot(), expected);
    }

    // A value that reads as nothing leaves its control alone; every other entry still restores.
    void unreadableValues_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("expectedWeekday");
        QTest::addColumn<int>("expectedHoliday");
        QTest::addColumn<int>("expectedSlot");
        QTest::newRow("weekday not a number") << QByteArray("NormalDay=abc\nHoliday=1\n") << 0 << 1 << 4;
        QTest::newRow("holiday out of range") << QByteArray("NormalDay=0\nHoliday=7\n") << 0 << 1 << 4;
        QTest::newRow("both unreadable") << QByteArray("NormalDay=-1\nHoliday=\n") << 1 << 0 << 4;
        QTest::newRow("option not a boolean")
            << QByteArray("Time2=True\nTime3=sometimes\nTime4=maybe\n") << 1 << 0 << 2;
        QTest::newRow("option empty") << QByteArray("Time1=\nTime4=\n") << 1 << 0 << 4;
        // What has always been read sensibly still is.
        QTest::newRow("booleans in any case")
            << QByteArray("Time1=true\nTime2=FALSE\nTime3=false\nTime4=fAlSe\n") << 1 << 0 << 1;
        QTest::newRow("numeric booleans") << QByteArray("Time3=-1\nTime4=0\n") << 1 << 0 << 3;
        QTest::newRow("blanks around numbers") << QByteArray("NormalDay= 0 \nHoliday= 1\n") << 0 << 1 << 4;
    }
    void unreadableValues()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, expectedWeekday);
        QFETCH(int, expectedHoliday);
        QFETCH(int, expectedSlot);
        startWith("[Information]\nName=王小明\nDay1=3/5\n" + file + "Remark=放門口\n");
        QCOMPARE(weekday(), expectedWeekday);
        QCOMPARE(holiday(), expectedHoliday);
        QCOMPARE(selectedSlot(), expectedSlot);
        QCOMPARE(text("Text2"), QStringLiteral("王小明"));
        QCOMPARE(text("Text8"), QStringLiteral("3/5"));
        QCOMPARE(text("Text11"), QStringLiteral("放門口"));
    }

    void handEditedTexts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("expected");
        QTest::newRow("comma list") << QByteArray("[Information]\nName=a, b\n") << "Text2"
                                    << "a, b";
        QTest::newRow("semicolon") << QByteArray("[Information]\nAddress=台北市; 3樓\n") << "Text1"
                                   << "台北市; 3樓";
        QTest::newRow("blanks") << QByteArray("[Information]\nNickName=  spaced  \n") << "Text4"
                                << "  spaced  ";
        QTest::newRow("backslash") << QByteArray("[Information]\nTel1=a\\,b\n") << "Text5"
                                   << "a\\,b";
        QTest::newRow("quotes") << QByteArray("[Information]\nTel2=a \"b\" c\n") << "Text9"
                                << "a \"b\" c";
        QTest::newRow("type-like") << QByteArray("[Information]\nAccount=@Invalid()\n") << "Text3"
                                   << "@Invalid()";
        QTest::newRow("list-like") << QByteArray("[Information]\nATMDate=@String(x)\n") << "Text6"
                                   << "@String(x)";
        QTest::newRow("escape-like") << QByteArray("[Information]\nDay1=@Text(C:\\temp)\n") << "Text8"
                                     << "@Text(C:\\temp)";
        QTest::newRow("equals and hash") << QByteArray("[Information]\nDay2=#1=2\n") << "Text7"
                                         << "#1=2";
        QTest::newRow("Windows line ends") << QByteArray("[Information]\r\nDay3=週六\r\n") << "Text10"
                                           << "週六";
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Information]\nRemark=x\n") << "Text11"
                                         << "x";
        QTest::newRow("comment lines") << QByteArray("; mine\n[Information]\n# too\nRemark=y\n") << "Text11"
                                       << "y";
        QTest::newRow("other section") << QByteArray("[Other]\nRemark=no\n[Information]\nName=yes\n[Later]\nName=no\n")
                                       << "Text2"
                                       << "yes";
    }
    void handEditedTexts()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, box);
        QFETCH(QString, expected);
        startWith(file);
        QCOMPARE(form->textBox(box)->text(), expected);
    }
};

QTEST_MAIN(TestProfileRestore)
#include "tst_profile_restore.moc"
