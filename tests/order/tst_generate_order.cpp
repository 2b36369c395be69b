// Generating the order e-mail from the details page, through the real window: the check of the
// required details, the result page, going back and generating again, and what a copy gives.

#include "order/order_email.h"
#include "shop/shop.h"
#include "support/gui_support.h"

#include <QRegularExpression>

namespace {

const char* const requiredBoxes[]
    = { "Text2", "Text1", "Text3", "Text4", "Text5", "Text6", "Text8", "Text7", "Text10" };

// What the customer types, box by box.
const char* const typed[][2]
    = { { "Text2", "林美華" }, { "Text1", "台北市大安區和平東路二段100號5樓" }, { "Text4", "美華" },
          { "Text5", "0912-345-678" }, { "Text9", "02-2345-6789" }, { "Text3", "54321" }, { "Text6", "8/20 14:35" },
          { "Text8", "8/26" }, { "Text7", "8/27" }, { "Text10", "8/28" }, { "Text11", "請放管理室" } };

} // namespace

class TestGenerateOrder : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;

    QLineEdit* box(const char* name) const { return form->textBox(QString::fromLatin1(name)); }
    void generate() { support::click(*form, QStringLiteral("Command4")); }
    // Everything the window shows but the e-mail itself.
    QStringList entries() const { return support::snapshot(*form).filter(QRegularExpression("^(?!Text1[56] )")); }

    // The e-mail the builder makes of init()'s order: 3 × 薑母鴨, 1 × 精燉牛肉湯, 12 × 特製沾醬包, 12~17.
    order::OrderEmail expected(const QString& nickName = QStringLiteral("美華")) const
    {
        order::OrderInput in { { "林美華", "台北市大安區和平東路二段100號5樓", nickName, "0912-345-678", "02-2345-6789",
                                   "54321", "8/20 14:35", "8/26", "8/27", "8/28", "請放管理室", 1,
                                   { false, true, false, false } },
            "2820", {} }; // 1200 + 220 + 1200, and 200 for 7 points
        in.quantities.fill(QStringLiteral("00"));
        in.quantities[0] = QStringLiteral("03"); // rows 1, 8 and 13 of the product page
        in.quantities[7] = QStringLiteral("01");
        in.quantities[12] = QStringLiteral("12");
        return order::composeOrderEmail(in);
    }

private slots:

    // A customer with a complete order on the details page.
    void init()
    {
        form = support::startProgram();
        support::click(*form, QStringLiteral("Command2"));
        support::pickFromList(form->comboBox(QStringLiteral("Combo1")), QStringLiteral("03"));
        support::pickFromList(form->comboBox(QStringLiteral("Combo2")), QStringLiteral("01"));
        support::pickFromList(form->comboBox(QStringLiteral("Combo10")), QStringLiteral("12"));
        support::click(*form, QStringLiteral("Command3"));
        for (const auto& [name, text] : typed)
            support::typeInto(box(name), QString::fromUtf8(text));
        QTest::mouseClick(form->optionButton(QStringLiteral("Option2")), Qt::LeftButton);
        QCOMPARE(support::pageName(*form), QStringLiteral("Frame3"));
    }
    void cleanup() { form.reset(); }

    // What the customer copies is plain text only; the body keeps its CR LF line ends.
    void generatesTheOrder()
    {
        generate();
        QCOMPARE(support::pageName(*form), QStringLiteral("Frame6"));
        QStringList copies;
        for (QWidget* copied : std::initializer_list<QWidget*> { box("Text12"), box("Text15"), form->bodyBox() }) {
            const QMimeData* data = support::copyAll(copied);
            QCOMPARE(data->formats(), QStringList { "text/plain" });
            copies << data->text();
        }
        QCOMPARE(copies, QStringList({ shop::orderAddress, "(美華) 的訂單", expected().body }));
    }

    void incompleteDetails_data()
    {
        QTest::addColumn<QStringList>("emptied");
        QStringList all;
        for (const char* name : requiredBoxes) {
            QTest::addRow("%s empty", name) << QStringList { name };
            all << name;
        }
        QTest::newRow("all nine empty") << all;
    }
    void incompleteDetails()
    {
        QFETCH(QStringList, emptied);
        generate(); // an e-mail generated earlier is still on the result page
        support::click(*form, QStringLiteral("Command7"));
        for (const QString& name : emptied)
            support::typeInto(form->textBox(name), QString());
        const QStringList before = support::snapshot(*form);
        QCOMPARE(support::messageBoxesDuring([this] { generate(); }), QStringList { "錯誤: 收件資料不完全！！" });
        QCOMPARE(support::snapshot(*form), before);
        QCOMPARE(form->focusWidget(), form->button(QStringLiteral("Command4")));
    }

    void blankDetailsPass()
    {
        for (const char* name : requiredBoxes)
            support::typeInto(box(name), QStringLiteral(" "));
        QCOMPARE(support::messageBoxesDuring([this] { generate(); }), QStringList());
        QCOMPARE(support::pageName(*form), QStringLiteral("Frame6"));
        QCOMPARE(box("Text15")->text(), QStringLiteral("( ) 的訂單"));
        const QString body = support::copyAll(form->bodyBox())->text();
        QVERIFY(body.startsWith("收件姓名： \r\n收件地址： \r\n暱稱： \r\n聯絡電話：(1)    (2)02-2345-6789\r\n"));
    }

    void goingBackKeepsEveryDetail()
    {
        const QStringList before = entries();
        generate();
        support::click(*form, QStringLiteral("Command7"));
        QCOMPARE(entries(), before);
    }

    void secondPressReplacesTheEmail()
    {
        generate();
        // The customer edits the e-mail, then goes back and changes the nickname.
        support::typeInto(box("Text15"), QStringLiteral("edited"));
        support::typeInto(form->bodyBox(), QStringLiteral("more"));
        support::click(*form, QStringLiteral("Command7"));
        support::typeInto(box("Text4"), QStringLiteral("abc"));
        generate();
        QCOMPARE(support::pageName(*form), QStringLiteral("Frame6"));
        QCOMPARE(box("Text15")->text(), QStringLiteral("(abc) 的訂單"));
        QCOMPARE(support::copyAll(form->bodyBox())->text(), expected(QStringLiteral("abc")).body);
    }
};

QTEST_MAIN(TestGenerateOrder)
#include "tst_generate_order.moc"
