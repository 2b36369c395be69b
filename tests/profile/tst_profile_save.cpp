// The save button writes the details page to the store file, and a fresh window shows them again.

#include "form/widgets.h"
#include "support/gui_support.h"
#include "temporary_store.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

using form::Form1;

namespace {

struct Detail {
    const char* key;
    const char* box;
    const char* typed;
};

// What a customer types; Tel2 stays empty.
const Detail typedDetails[] = {
    { "Name", "Text2", "Wang" },
    { "Address", "Text1", "Taipei 1" },
    { "NickName", "Text4", "wang99" },
    { "Tel1", "Text5", "0912" },
    { "Tel2", "Text9", "" },
    { "Account", "Text3", "12345" },
    { "ATMDate", "Text6", "3/1 10:05" },
    { "Day1", "Text8", "3/5" },
    { "Day2", "Text7", "3/6" },
    { "Day3", "Text10", "3/7" },
    { "Remark", "Text11", "door" },
};

} // namespace

class TestProfileSave : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporaryStore> store;
    std::unique_ptr<Form1> form;

    void openDetailsPage() { form->switchPage(QStringLiteral("Frame1"), QStringLiteral("Frame3")); }
    void startAgain()
    {
        form.reset();
        form = support::startProgram();
    }
    void click(const QString& name) { QTest::mouseClick(form->control(name), Qt::LeftButton); }
    QLineEdit* box(const char* name) const { return form->textBox(QLatin1String(name)); }

    // Weekday cleared by ticking holiday, time slot 12~17.
    void fillDetails()
    {
        for (const Detail& d : typedDetails)
            support::typeInto(box(d.box), QLatin1String(d.typed));
        click(QStringLiteral("Check2"));
        click(QStringLiteral("Option2"));
    }

    // All seventeen values as the window shows them.
    QStringList screen() const
    {
        QStringList values;
        for (const Detail& d : typedDetails)
            values << box(d.box)->text();
        for (const char* check : { "Check1", "Check2" })
            values << QString::number(form::checkValue(form->checkBox(QLatin1String(check))));
        for (const char* option : { "Option1", "Option2", "Option3", "Option4" })
            values << QString::number(form->optionButton(QLatin1String(option))->isChecked());
        return values;
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
        store = std::make_unique<TemporaryStore>();
        form = support::startProgram();
        openDetailsPage();
    }
    void cleanup()
    {
        form.reset();
        store.reset();
    }

    void savedDetailsComeBack()
    {
        fillDetails();
        const QStringList saved = screen();
        click(QStringLiteral("Command8"));

        QStringList lines = QString::fromUtf8(store->contents()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("[Information]"));
        QStringList expected { QStringLiteral("[Information]"), QStringLiteral("NormalDay=0"),
            QStringLiteral("Holiday=1"), QStringLiteral("Time1=False"), QStringLiteral("Time2=True"),
            QStringLiteral("Time3=False"), QStringLiteral("Time4=False") };
        for (const Detail& d : typedDetails)
            expected << QLatin1String(d.key) + QLatin1Char('=') + QLatin1String(d.typed);
        lines.sort();
        expected.sort();
        QCOMPARE(lines, expected); // an empty box is a present key: "Tel2="

        startAgain();
        QCOMPARE(screen(), saved);
        QCOMPARE(form::checkValue(form->checkBox(QStringLiteral("Check2"))), 1);
        QVERIFY(form->optionButton(QStringLiteral("Option2"))->isChecked());
    }

    void emptyBoxStaysEmpty()
    {
        store->writeByHand("[Information]\nName=old\n");
        startAgain();
        openDetailsPage();
        support::typeInto(box("Text2"), QString());
        click(QStringLiteral("Command8"));
        startAgain();
        QCOMPARE(box("Text2")->text(), QString());
        QVERIFY(store->contents().contains("\nName=\n"));
    }

    void changesAfterSavingAreNotKept()
    {
        fillDetails();
        const QStringList saved = screen();
        click(QStringLiteral("Command8"));
        support::typeInto(box("Text2"), QStringLiteral("Chen"));
        click(QStringLiteral("Check1"));
        click(QStringLiteral("Option4"));
        QVERIFY(screen() != saved);
        startAgain();
        QCOMPARE(screen(), saved);
    }

    void savingTwiceWritesTheSameAndShowsNothing()
    {
        fillDetails();
        const QStringList shown = screen();
        click(QStringLiteral("Command8"));
        const QByteArray first = store->contents();
        click(QStringLiteral("Command8"));
        QCOMPARE(store->contents(), first);
        QCOMPARE(screen(), shown);
        QCOMPARE(form->visiblePage()->objectName(), QStringLiteral("Frame3"));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!form->findChild<QMessageBox*>());
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
        click(QStringLiteral("Command8"));
        startAgain();
        QCOMPARE(box("Text2")->text(), text);
        QCOMPARE(box("Text11")->text(), text);
        QCOMPARE(box("Text1")->text(), QString()); // nothing spilled into the next entry
    }

    void failedSave_data()
    {
        QTest::addColumn<bool>("folderInPlaceOfFile");
        QTest::newRow("config folder cannot be made") << false;
        QTest::newRow("a folder where the file belongs") << true;
    }
    void failedSave()
    {
        QFETCH(bool, folderInPlaceOfFile);
        if (folderInPlaceOfFile)
            store->putFolderInPlaceOfFile();
        else
            store->makeFolderUncreatable();
        fillDetails();
        const QStringList typed = screen();
        QString title, prompt;
        int buttons = 0;
        QMessageBox::Icon icon = QMessageBox::Information;
        const auto answered = support::answerNextMessageBox([&](QMessageBox* box) {
            title = box->windowTitle();
            prompt = box->text();
            buttons = int(box->buttons().size());
            icon = box->icon();
        });
        click(QStringLiteral("Command8"));
        QVERIFY(*answered);
        QCOMPARE(title, QStringLiteral("錯誤"));
        QCOMPARE(prompt, QStringLiteral("您的資料沒有儲存成功！！"));
        QCOMPARE(buttons, 1);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(screen(), typed);
        QCOMPARE(form->visiblePage()->objectName(), QStringLiteral("Frame3"));
    }
};

QTEST_MAIN(TestProfileSave)
#include "tst_profile_save.moc"
