// Generating the order e-mail from the details page, through the real window: the check of the
// required details, the result page, going back and generating again, and what a copy gives.

#include "form/widgets.h"
#include "pricing/catalogue.h"
#include "shop/shop.h"
#include "support/gui_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using form::Form1;

namespace {

const char* const requiredBoxes[]
    = { "Text2", "Text1", "Text3", "Text4", "Text5", "Text6", "Text8", "Text7", "Text10" };

// The body of the order that init() fills in; %1 is the amount the product page shows, %2 the nickname.
const QString sampleBody = QStringLiteral("收件姓名：林美華\r\n"
                                          "收件地址：台北市大安區和平東路二段100號5樓\r\n"
                                          "暱稱：%2\r\n"
                                          "聯絡電話：(1)0912-345-678   (2)02-2345-6789\r\n"
                                          "帳號末5碼：54321\r\n"
                                          "匯款日期+詳細時間：8/20 14:35\r\n"
                                          "匯款金額：%1\r\n"
                                          "收件日期：平日   (1) 8/26   (2) 8/27   (3) 8/28\r\n"
                                          "收件時段：12~17\r\n"
                                          "備註：請放管理室\r\n"
                                          "\r\n"
                                          "訂購商品：\r\n"
                                          "薑母鴨  X  03\r\n"
                                          "精燉牛肉湯 X  01\r\n"
                                          "特製沾醬包  X  12\r\n");

} // namespace

class TestGenerateOrder : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    QLineEdit* box(const char* name) const { return form->textBox(QString::fromLatin1(name)); }
    QString page() const
    {
        QGroupBox* shown = form->visiblePage();
        return shown ? shown->objectName() : QStringLiteral("(not exactly one)");
    }
    QString amount() const { return form->label(QStringLiteral("Label25"))->text(); }
    QString expectedBody(const QString& nickName = QStringLiteral("美華")) const
    {
        return sampleBody.arg(amount(), nickName);
    }

    // Replaces the box's text as the customer types it; Chinese arrives as input method text.
    void enter(const char* name, const QString& text)
    {
        QLineEdit* edit = box(name);
        support::typeInto(edit, QString());
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        if (!text.isEmpty())
            QApplication::sendEvent(edit, &typed);
        QCOMPARE(edit->text(), text);
    }

    void generate() { support::click(*form, QStringLiteral("Command4")); }

    // What the customer gets from selecting everything in the box and pressing Ctrl+C.
    const QMimeData* copyAll(QWidget* from)
    {
        QApplication::clipboard()->clear();
        from->setFocus();
        QTest::keyClick(from, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(from, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->mimeData();
    }

    // Everything the customer has entered for the order, as shown.
    QStringList entries() const
    {
        QStringList all;
        for (int n = 1; n <= 11; ++n)
            all << form->textBox(QStringLiteral("Text%1").arg(n))->text();
        for (const char* check : { "Check1", "Check2" })
            all << QString::number(form::checkValue(form->checkBox(QString::fromLatin1(check))));
        for (int n = 1; n <= 4; ++n)
            all << QString::number(form->optionButton(QStringLiteral("Option%1").arg(n))->isChecked());
        for (const pricing::Product& p : pricing::catalogue)
            all << form->comboBox(QString::fromLatin1(p.quantityBox))->currentText();
        return all;
    }

private slots:
    void initTestCase() { support::isolateSettings(); }

    // A customer with a complete order on the details page.
    void init()
    {
        form = support::startProgram();
        support::click(*form, QStringLiteral("Command2"));
        support::pickFromList(form->comboBox(QStringLiteral("Combo1")), QStringLiteral("03"));
        support::pickFromList(form->comboBox(QStringLiteral("Combo2")), QStringLiteral("01"));
        support::pickFromList(form->comboBox(QStringLiteral("Combo10")), QStringLiteral("12"));
        support::click(*form, QStringLiteral("Command3"));
        enter("Text2", QStringLiteral("林美華"));
        enter("Text1", QStringLiteral("台北市大安區和平東路二段100號5樓"));
        enter("Text4", QStringLiteral("美華"));
        enter("Text5", QStringLiteral("0912-345-678"));
        enter("Text9", QStringLiteral("02-2345-6789"));
        enter("Text3", QStringLiteral("54321"));
        enter("Text6", QStringLiteral("8/20 14:35"));
        enter("Text8", QStringLiteral("8/26"));
        enter("Text7", QStringLiteral("8/27"));
        enter("Text10", QStringLiteral("8/28"));
        enter("Text11", QStringLiteral("請放管理室"));
        QCheckBox* normalDay = form->checkBox(QStringLiteral("Check1"));
        if (form::checkValue(normalDay) != 1)
            QTest::mouseClick(normalDay, Qt::LeftButton);
        QTest::mouseClick(form->optionButton(QStringLiteral("Option2")), Qt::LeftButton);
        QCOMPARE(page(), QStringLiteral("Frame3"));
    }
    void cleanup() { form.reset(); }

    void generatesTheOrder()
    {
        generate();
        QCOMPARE(page(), QStringLiteral("Frame6"));
        QVERIFY(!form->frame(QStringLiteral("Frame3"))->isVisible());
        QCOMPARE(box("Text12")->text(), QString::fromUtf8(shop::orderAddress));
        QCOMPARE(box("Text15")->text(), QStringLiteral("(美華) 的訂單"));
        QCOMPARE(copyAll(form->bodyBox())->text(), expectedBody());
    }

    void incompleteDetails_data()
    {
        QTest::addColumn<QStringList>("emptied");
        for (const char* name : requiredBoxes)
            QTest::addRow("%s empty", name) << QStringList { QString::fromLatin1(name) };
        QStringList all;
        for (const char* name : requiredBoxes)
            all << QString::fromLatin1(name);
        QTest::newRow("all nine empty") << all;
    }
    void incompleteDetails()
    {
        QFETCH(QStringList, emptied);
        // An e-mail generated earlier is still on the result page.
        generate();
        support::click(*form, QStringLiteral("Command7"));
        const QString subject = box("Text15")->text();
        const QString body = form->bodyBox()->toPlainText();
        for (const QString& name : emptied)
            enter(qPrintable(name), QString());
        const QStringList before = entries();

        QString title, text;
        int buttons = -1;
        bool noIcon = false;
        const auto answered = support::answerNextMessageBox([&](QMessageBox* shown) {
            title = shown->windowTitle();
            text = shown->text();
            buttons = int(shown->buttons().size());
            noIcon = shown->icon() == QMessageBox::NoIcon && shown->iconPixmap().isNull();
        });
        generate();
        QVERIFY(*answered);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(title, QStringLiteral("錯誤"));
        QCOMPARE(text, QStringLiteral("收件資料不完全！！"));
        QCOMPARE(buttons, 1);
        QVERIFY(noIcon);

        QCOMPARE(page(), QStringLiteral("Frame3"));
        QCOMPARE(form->focusWidget(), form->button(QStringLiteral("Command4")));
        QCOMPARE(box("Text15")->text(), subject);
        QCOMPARE(form->bodyBox()->toPlainText(), body);
        QCOMPARE(entries(), before);
    }

    void blankDetailsPass()
    {
        for (const char* name : requiredBoxes)
            enter(name, QStringLiteral(" "));
        const auto answered = support::answerNextMessageBox();
        generate();
        const bool boxShown = *answered;
        if (!boxShown) {
            // Hand the still waiting answerer a box of our own, so that it cannot catch a later one.
            QMessageBox own(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok, form.get());
            own.exec();
        }
        QVERIFY(!boxShown);
        QCOMPARE(page(), QStringLiteral("Frame6"));
        QCOMPARE(box("Text15")->text(), QStringLiteral("( ) 的訂單"));
        QVERIFY(copyAll(form->bodyBox())
                    ->text()
                    .startsWith(QStringLiteral("收件姓名： \r\n"
                                               "收件地址： \r\n"
                                               "暱稱： \r\n"
                                               "聯絡電話：(1)    (2)02-2345-6789\r\n")));
    }

    void goingBackKeepsEveryDetail()
    {
        const QStringList before = entries();
        generate();
        support::click(*form, QStringLiteral("Command7"));
        QCOMPARE(page(), QStringLiteral("Frame3"));
        QCOMPARE(entries(), before);
    }

    void secondPressReplacesTheEmail()
    {
        generate();
        // The customer edits the e-mail, then goes back and changes the nickname.
        box("Text15")->setFocus();
        QTest::keyClicks(box("Text15"), " edited");
        form->bodyBox()->setFocus();
        QTest::keyClick(form->bodyBox(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(form->bodyBox(), "more");
        support::click(*form, QStringLiteral("Command7"));
        enter("Text4", QStringLiteral("abc"));

        generate();
        QCOMPARE(page(), QStringLiteral("Frame6"));
        QCOMPARE(box("Text15")->text(), QStringLiteral("(abc) 的訂單"));
        QCOMPARE(copyAll(form->bodyBox())->text(), expectedBody(QStringLiteral("abc")));
    }

    // Every caption of the result page is seen whole, inside the window.
    void resultPageCaptionsShowWhole()
    {
        generate();
        for (QLabel* label : form->frame(QStringLiteral("Frame6"))->findChildren<QLabel*>()) {
            const QRect inWindow(label->mapTo(form.get(), QPoint()), label->size());
            QVERIFY2(form->rect().contains(inWindow), qPrintable(label->objectName()));
            if (!label->wordWrap())
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                    qPrintable(label->objectName()));
        }
    }

    void copiesArePlainText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("address") << "Text12" << QString::fromUtf8(shop::orderAddress);
        QTest::newRow("subject") << "Text15" << QStringLiteral("(美華) 的訂單");
        QTest::newRow("body, CR LF line ends") << "Text16" << QString(); // the sample body
    }
    void copiesArePlainText()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        generate();
        const QMimeData* copied = copyAll(form->control(name));
        QCOMPARE(copied->text(), expected.isEmpty() ? expectedBody() : expected);
        QCOMPARE(copied->formats(), QStringList { QStringLiteral("text/plain") });
    }
};

QTEST_MAIN(TestGenerateOrder)
#include "tst_generate_order.moc"
