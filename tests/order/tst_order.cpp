// "匯款完成，產生訂單": with every required detail filled in, the result page shows the order
// e-mail, and the body reaches the clipboard exactly as a mail program must receive it; with one
// missing, a message box says so and nothing else changes. "開啟郵件程式" hands the e-mail to the
// mail program, whose stand-ins (tests/order) note what they receive.

#include "order/order_email.h"
#include "platform/mail_draft.h"
#include "support/gui_support.h"

#include <QFile>
#include <QUrlQuery>

namespace {

// What the customer types into each box of the details page.
const char* const typed[][2] = { { "Text2", "王小明" }, { "Text1", "台北市中山區1號" }, { "Text4", "wang99" },
    { "Text5", "0912345678" }, { "Text9", "02-1234" }, { "Text3", "12345" }, { "Text6", "8/20 10:05" },
    { "Text8", "8/25" }, { "Text7", "8/26" }, { "Text10", "8/27" }, { "Text11", "放門口" } };

// The e-mail's body, line by line, every line ended by CR LF.
const QStringList bodyLines { "收件姓名：王小明", "收件地址：台北市中山區1號", "暱稱：wang99",
    "聯絡電話：(1)0912345678   (2)02-1234", "帳號末5碼：12345", "匯款日期+詳細時間：8/20 10:05", "匯款金額：1800",
    "收件日期：假日   (1) 8/25   (2) 8/26   (3) 8/27", "收件時段：12~17", "備註：放門口", "", "訂購商品：",
    "香菇滷肉  X  05", "蜜汁雞腿 X  02", "特製沾醬包  X  01", "" };
const QString body = bodyLines.join("\r\n");

} // namespace

class TestOrder : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;

    QStringList generate() { return support::click(*form, "Command4"); }

    // Presses "開啟郵件程式" `times` times afresh, the presses in quick succession; gives the message
    // boxes, waiting for `awaited` of them.
    QStringList mail(int times = 1, int awaited = 0)
    {
        QFile::remove(qEnvironmentVariable("TOVIRA_MAILED"));
        for (int earlier = 1; earlier < times; ++earlier)
            support::click(*form, "Command9");
        return support::click(*form, "Command9", awaited);
    }
    // What the stand-ins noted, each argument or field ended by a NUL.
    static QStringList mailed()
    {
        QFile noted(qEnvironmentVariable("TOVIRA_MAILED"));
        return QString::fromUtf8(noted.open(QIODevice::ReadOnly) ? noted.readAll() : "")
            .split(u'\0', Qt::SkipEmptyParts);
    }
    // A mailto: address as the mail program reads it: the address, then each header's name and value.
    static QStringList fromMailto(const QString& address)
    {
        const QUrl url(address, QUrl::StrictMode);
        QStringList read { url.scheme() + ':' + url.path() };
        for (const auto& [name, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
            read << name << value;
        return read;
    }

private slots:
    // Five of 香菇滷肉, two of 蜜汁雞腿 and a sauce pack (goods 1600, 7 points, fee 200), delivered on
    // a holiday between 12 and 17; the details page in view.
    void init()
    {
        form = support::startProgram();
        support::click(*form, QStringLiteral("Command2"));
        for (const QString& pick : QStringList { "Combo4=05", "Combo13=02", "Combo10=01" })
            support::pickFromList(form->comboBox(pick.section('=', 0, 0)), pick.section('=', 1));
        support::click(*form, QStringLiteral("Command3"));
        for (const auto& [box, text] : typed)
            support::typeInto(form->textBox(QLatin1String(box)), QString::fromUtf8(text));
        support::click(*form, QStringLiteral("Check2"));
        support::click(*form, QStringLiteral("Option2"));
    }
    void cleanup() { form.reset(); }

    // The order of init() made with the keyboard alone: Tab and Enter through the pages, arrow keys for the
    // quantities and the time slot, Space for the holiday box. Enter presses a focused button, a held Enter
    // does not press it again, and Enter in a text box presses nothing. The keys come before the window has
    // had a moment to itself, so every page is met as the customer meets it at the quickest: complete,
    // every quantity box taking typing and named for screen readers by its dish. The e-mail is copied as a
    // mail program must receive it, and made afresh after going back to change a detail.
    void orderEmail()
    {
        form = support::startProgram(false);
        // A word is a key, "*n" presses it n times; "type" types the next detail, then Enter and Tab.
        const QString script = "Return Tab*6 Down*6 Tab*9 Down*3 Backtab*4 Down Backtab*10 Return " // 05, 02, 01
                               "type*7 Tab Space Tab type*3 Left*2 Tab*3 type Backtab*2 Return"; // holiday, 12~17
        const auto press = [&](Qt::Key key) { // then checks that the page is complete
            QTest::keyClick(qApp->focusWidget(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            for (auto* box : form->visiblePage()->findChildren<form::QuantityBox*>())
                QVERIFY2(box->isEditable() && box->lineEdit()->accessibleName().size(), qPrintable(box->objectName()));
        };
        QTest::keyClick(form.get(), Qt::Key_Tab);
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        QApplication::sendEvent(QApplication::focusWidget(), &held); // a repeat, not a press
        QCOMPARE(support::pageName(*form), QStringLiteral("Frame1"));
        int detail = 0; // Combo10 below is at "00" already, since Tab passed it: one step to "01"
        const QStringList boxes = support::messageBoxesDuring([&] {
            for (const QString& word : script.split(' '))
                for (int n = word.contains('*') ? word.section('*', 1).toInt() : 1; n > 0; --n) {
                    if (!word.startsWith("type")) {
                        press(QKeySequence::fromString(word.section('*', 0, 0))[0].key());
                        continue;
                    }
                    support::typeInto(QApplication::focusWidget(), QString::fromUtf8(typed[detail++][1]));
                    press(Qt::Key_Return);
                    press(Qt::Key_Tab);
                }
        });
        QCOMPARE(boxes, QStringList());
        QCOMPARE(support::pageName(*form), QStringLiteral("Frame6"));
        QCOMPARE(support::copyAll(form->textBox("Text15"))->text(), QStringLiteral("(wang99) 的訂單"));
        const QMimeData* copied = support::copyAll(form->bodyBox());
        QCOMPARE(copied->formats(), QStringList { "text/plain" });
        QCOMPARE(copied->text(), body);
        const QString built = order::composeOrderEmail({}).body; // made with CR LF, not only copied so
        QCOMPARE(built.count('\n'), built.count("\r\n"));
        support::click(*form, QStringLiteral("Command7")); // 上一步
        support::typeInto(form->textBox("Text4"), QStringLiteral("陳"));
        generate();
        QCOMPARE(support::copyAll(form->bodyBox())->text(), QString(body).replace("wang99", "陳"));
        support::click(*form, QStringLiteral("Command1")); // 完成
        QCOMPARE(support::pageName(*form), QStringLiteral("Frame4"));
    }

    // The message holds the three boxes as the customer left them, and nothing typed into them adds a
    // header or an attachment; the page stays as it was, whatever the mail program does.
    void mailButton()
    {
        generate();
        support::typeInto(form->textBox("Text15"), QStringLiteral("王小明的訂單&bcc=x@y\n第二行"));
        support::typeInto(form->bodyBox(), QStringLiteral("訂購?attach=/etc/passwd\n&cc=x@y#第二行"));
        const auto shown = [this] {
            return QStringList { form->textBox("Text12")->text(), form->textBox("Text15")->text(),
                form->bodyBox()->toPlainText(), support::pageName(*form) };
        };
        const QStringList boxes = shown();
        const QString to = "orders@tovira.example.com", subject = "王小明的訂單&bcc=x@y 第二行", body = boxes[2];
        const QStringList asMailto { "mailto:" + to, "subject", subject, "body", QString(body).replace("\n", "\r\n") };
        QCOMPARE(fromMailto(platform::mailtoAddress({ boxes[0], boxes[1], boxes[2] })), asMailto);
        const QStringList noMailProgram { "錯誤: " + platform::noMailProgramPrompt() };
#ifdef Q_OS_WIN
        // Wine's own Simple MAPI lacks the wide call, and the stand-in beside the test program is not
        // the system's: the address goes to the shell, and through Wine's browser hand-off to xdg-email.
        QCOMPARE(mail(), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(fromMailto(mailed().value(0)), asMailto, 30'000);
        const QString system = qEnvironmentVariable("SystemRoot") + "/system32/mapi32.dll";
        QFile::remove(system);
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/mapi32.dll", system));
        QCOMPARE(mail(), QStringList());
        const QStringList viaMapi { "MAPISendMailW flags 9", "recipient 1", to, "SMTP:" + to, subject, asMailto[4],
            "attachments 0" }; // flags: MAPI_DIALOG | MAPI_LOGON_UI
        QTRY_COMPARE_WITH_TIMEOUT(mailed(), viaMapi, 30'000);
        qputenv("TOVIRA_MAPI_RESULT", "2"); // MAPI_E_FAILURE: the shell again
        QCOMPARE(mail(), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(mailed().size(), viaMapi.size() + 1, 30'000);
        QCOMPARE(fromMailto(mailed().last()), asMailto);
        const QString longBody(250, u'菜'); // 2,250 characters as a mailto: address
        support::typeInto(form->bodyBox(), longBody);
        QCOMPARE(mail(1, 1), noMailProgram); // not cut
        QCOMPARE(shown(), boxes.mid(0, 2) << longBody << "Frame6");
#else
        QCOMPARE(mail(2), QStringList()); // two quick presses, two messages
        const QStringList viaXdg { "--utf8", "--subject", subject, "--body", body, to };
        QTRY_COMPARE(mailed(), viaXdg + viaXdg);
        qputenv("TOVIRA_MAIL_EXIT", "3");
        QCOMPARE(mail(1, 1), noMailProgram);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nowhere"); // no xdg-email at all
        QCOMPARE(mail(1, 1), noMailProgram);
        qputenv("PATH", path);
        qunsetenv("TOVIRA_MAIL_EXIT");
        QCOMPARE(shown(), boxes);
        qputenv("TOVIRA_MAIL_DELAY", "1"); // the mail program outlives the window
        QCOMPARE(mail(), QStringList());
        form.reset();
        QTRY_COMPARE(mailed(), viaXdg);
#endif
    }

    // The second phone and the remark may stay empty; a blank counts as filled.
    void incompleteDetails_data()
    {
        support::addRows<QString, QString>({ "box", "text" },
            { { "name", "Text2", "" }, { "address", "Text1", "" }, { "account", "Text3", "" },
                { "nickname", "Text4", "" }, { "phone", "Text5", "" }, { "remitted at", "Text6", "" },
                { "first date", "Text8", "" }, { "second date", "Text7", "" }, { "third date", "Text10", "" },
                { "second phone is optional", "Text9", "" }, { "remark is optional", "Text11", "" },
                { "a blank counts", "Text2", " " } });
    }
    void incompleteDetails()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        support::typeInto(form->textBox(box), text);
        const bool required = text.isEmpty() && box != "Text9" && box != "Text11";
        QCOMPARE(generate(), required ? QStringList { "錯誤: 收件資料不完全！！" } : QStringList());
        QCOMPARE(support::pageName(*form), required ? QStringLiteral("Frame3") : QStringLiteral("Frame6"));
    }
};

TOVIRA_TEST_MAIN(TestOrder)
#include "tst_order.moc"
