// The order e-mail, byte for byte, and which details count as complete.

#include "order/order_email.h"

#include <QTest>

using order::Details;
using order::OrderInput;

Q_DECLARE_METATYPE(order::Details)
Q_DECLARE_METATYPE(order::OrderInput)

namespace {

// Catalogue rows, for setting quantities by the box the customer uses.
std::size_t row(const char* box)
{
    for (std::size_t i = 0; i < pricing::catalogue.size(); ++i) {
        if (qstrcmp(pricing::catalogue[i].quantityBox, box) == 0)
            return i;
    }
    qFatal("no quantity box %s", box);
}

OrderInput withQuantities(OrderInput input, std::initializer_list<std::pair<const char*, const char*>> picks)
{
    for (const auto& [box, quantity] : picks)
        input.quantities[row(box)] = QString::fromUtf8(quantity);
    return input;
}

// Short details, nothing ordered: each case changes what it is about.
OrderInput plain()
{
    OrderInput in;
    in.details = { "n", "a", "k", "t1", "t2", "12345", "r", "d1", "d2", "d3", "m", 1, { false, false, false, true } };
    in.amount = QStringLiteral("0");
    in.quantities.fill(QStringLiteral("00"));
    return in;
}

} // namespace

class TestOrderEmail : public QObject {
    Q_OBJECT

private slots:
    void compose_data()
    {
        QTest::addColumn<OrderInput>("input");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");

        OrderInput full = withQuantities(
            plain(), { { "Combo1", "02" }, { "Combo4", "05" }, { "Combo11", "12" }, { "Combo10", "03" } });
        full.details = { QStringLiteral("林美華"), QStringLiteral("台北市大安區和平東路二段100號5樓"),
            QStringLiteral("美華"), "0912-345-678", "02-2345-6789", "54321", "8/20 14:35", "8/26", "8/27", "8/28",
            QStringLiteral("請放管理室"), 1, { false, true, false, false } };
        full.amount = QStringLiteral("2360");
        QTest::newRow("full order") << full << QStringLiteral("(美華) 的訂單")
                                    << QStringLiteral("收件姓名：林美華\r\n"
                                                      "收件地址：台北市大安區和平東路二段100號5樓\r\n"
                                                      "暱稱：美華\r\n"
                                                      "聯絡電話：(1)0912-345-678   (2)02-2345-6789\r\n"
                                                      "帳號末5碼：54321\r\n"
                                                      "匯款日期+詳細時間：8/20 14:35\r\n"
                                                      "匯款金額：2360\r\n"
                                                      "收件日期：平日   (1) 8/26   (2) 8/27   (3) 8/28\r\n"
                                                      "收件時段：12~17\r\n"
                                                      "備註：請放管理室\r\n"
                                                      "\r\n"
                                                      "訂購商品：\r\n"
                                                      "薑母鴨  X  02\r\n"
                                                      "香菇滷肉  X  05\r\n"
                                                      "豆鼓排骨  X  12\r\n"
                                                      "特製沾醬包  X  03\r\n");

        QTest::newRow("every box at 00") << plain() << QStringLiteral("(k) 的訂單")
                                         << QStringLiteral("收件姓名：n\r\n"
                                                           "收件地址：a\r\n"
                                                           "暱稱：k\r\n"
                                                           "聯絡電話：(1)t1   (2)t2\r\n"
                                                           "帳號末5碼：12345\r\n"
                                                           "匯款日期+詳細時間：r\r\n"
                                                           "匯款金額：0\r\n"
                                                           "收件日期：平日   (1) d1   (2) d2   (3) d3\r\n"
                                                           "收件時段：不指定\r\n"
                                                           "備註：m\r\n"
                                                           "\r\n"
                                                           "訂購商品：\r\n");

        OrderInput optionalEmpty = plain();
        optionalEmpty.details.tel2.clear();
        optionalEmpty.details.remark.clear();
        QTest::newRow("optional fields empty") << optionalEmpty << QStringLiteral("(k) 的訂單")
                                               << QStringLiteral("收件姓名：n\r\n"
                                                                 "收件地址：a\r\n"
                                                                 "暱稱：k\r\n"
                                                                 "聯絡電話：(1)t1   (2)\r\n"
                                                                 "帳號末5碼：12345\r\n"
                                                                 "匯款日期+詳細時間：r\r\n"
                                                                 "匯款金額：0\r\n"
                                                                 "收件日期：平日   (1) d1   (2) d2   (3) d3\r\n"
                                                                 "收件時段：不指定\r\n"
                                                                 "備註：\r\n"
                                                                 "\r\n"
                                                                 "訂購商品：\r\n");

        OrderInput noSlot = plain();
        noSlot.details.timeSlot = {};
        QTest::newRow("no time slot selected") << noSlot << QStringLiteral("(k) 的訂單")
                                               << QStringLiteral("收件姓名：n\r\n"
                                                                 "收件地址：a\r\n"
                                                                 "暱稱：k\r\n"
                                                                 "聯絡電話：(1)t1   (2)t2\r\n"
                                                                 "帳號末5碼：12345\r\n"
                                                                 "匯款日期+詳細時間：r\r\n"
                                                                 "匯款金額：0\r\n"
                                                                 "收件日期：平日   (1) d1   (2) d2   (3) d3\r\n"
                                                                 "收件時段：\r\n"
                                                                 "備註：m\r\n"
                                                                 "\r\n"
                                                                 "訂購商品：\r\n");

        // Only the first selected option counts, should the group ever hold two.
        OrderInput morning = plain();
        morning.details.timeSlot = { true, false, true, false };
        morning.details.normalDay = 0;
        QTest::newRow("中午前, Check1 clear") << morning << QStringLiteral("(k) 的訂單")
                                              << QStringLiteral("收件姓名：n\r\n"
                                                                "收件地址：a\r\n"
                                                                "暱稱：k\r\n"
                                                                "聯絡電話：(1)t1   (2)t2\r\n"
                                                                "帳號末5碼：12345\r\n"
                                                                "匯款日期+詳細時間：r\r\n"
                                                                "匯款金額：0\r\n"
                                                                "收件日期：假日   (1) d1   (2) d2   (3) d3\r\n"
                                                                "收件時段：中午前\r\n"
                                                                "備註：m\r\n"
                                                                "\r\n"
                                                                "訂購商品：\r\n");

        OrderInput evening = plain();
        evening.details.timeSlot = { false, false, true, false };
        evening.details.normalDay = 2;
        QTest::newRow("17~20, Check1 greyed") << evening << QStringLiteral("(k) 的訂單")
                                              << QStringLiteral("收件姓名：n\r\n"
                                                                "收件地址：a\r\n"
                                                                "暱稱：k\r\n"
                                                                "聯絡電話：(1)t1   (2)t2\r\n"
                                                                "帳號末5碼：12345\r\n"
                                                                "匯款日期+詳細時間：r\r\n"
                                                                "匯款金額：0\r\n"
                                                                "收件日期：假日   (1) d1   (2) d2   (3) d3\r\n"
                                                                "收件時段：17~20\r\n"
                                                                "備註：m\r\n"
                                                                "\r\n"
                                                                "訂購商品：\r\n");

        QTest::newRow("03 in Combo1, 12 in Combo10")
            << withQuantities(plain(), { { "Combo1", "03" }, { "Combo10", "12" } }) << QStringLiteral("(k) 的訂單")
            << QStringLiteral("收件姓名：n\r\n"
                              "收件地址：a\r\n"
                              "暱稱：k\r\n"
                              "聯絡電話：(1)t1   (2)t2\r\n"
                              "帳號末5碼：12345\r\n"
                              "匯款日期+詳細時間：r\r\n"
                              "匯款金額：0\r\n"
                              "收件日期：平日   (1) d1   (2) d2   (3) d3\r\n"
                              "收件時段：不指定\r\n"
                              "備註：m\r\n"
                              "\r\n"
                              "訂購商品：\r\n"
                              "薑母鴨  X  03\r\n"
                              "特製沾醬包  X  12\r\n");

        QTest::newRow("01 in Combo2") << withQuantities(plain(), { { "Combo2", "01" } }) << QStringLiteral("(k) 的訂單")
                                      << QStringLiteral("收件姓名：n\r\n"
                                                        "收件地址：a\r\n"
                                                        "暱稱：k\r\n"
                                                        "聯絡電話：(1)t1   (2)t2\r\n"
                                                        "帳號末5碼：12345\r\n"
                                                        "匯款日期+詳細時間：r\r\n"
                                                        "匯款金額：0\r\n"
                                                        "收件日期：平日   (1) d1   (2) d2   (3) d3\r\n"
                                                        "收件時段：不指定\r\n"
                                                        "備註：m\r\n"
                                                        "\r\n"
                                                        "訂購商品：\r\n"
                                                        "精燉牛肉湯 X  01\r\n");

        // Page order, not the boxes' numbers; the unavailable row is listed like any other.
        QTest::newRow("every product, page order") << withQuantities(plain(),
            { { "Combo1", "01" }, { "Combo2", "02" }, { "Combo3", "03" }, { "Combo4", "04" }, { "Combo5", "05" },
                { "Combo6", "06" }, { "Combo7", "07" }, { "Combo8", "08" }, { "Combo9", "09" }, { "Combo10", "10" },
                { "Combo11", "11" }, { "Combo12", "12" }, { "Combo13", "13" } })
                                                   << QStringLiteral("(k) 的訂單")
                                                   << QStringLiteral("收件姓名：n\r\n"
                                                                     "收件地址：a\r\n"
                                                                     "暱稱：k\r\n"
                                                                     "聯絡電話：(1)t1   (2)t2\r\n"
                                                                     "帳號末5碼：12345\r\n"
                                                                     "匯款日期+詳細時間：r\r\n"
                                                                     "匯款金額：0\r\n"
                                                                     "收件日期：平日   (1) d1   (2) d2   (3) d3\r\n"
                                                                     "收件時段：不指定\r\n"
                                                                     "備註：m\r\n"
                                                                     "\r\n"
                                                                     "訂購商品：\r\n"
                                                                     "薑母鴨  X  01\r\n"
                                                                     "香菇滷肉  X  04\r\n"
                                                                     "黑胡椒毛豆  X  05\r\n"
                                                                     "筍絲扣肉  X  06\r\n"
                                                                     "花生豬腳湯  X  07\r\n"
                                                                     "麻油血糕  X  08\r\n"
                                                                     "鳳梨蝦仁 X  09\r\n"
                                                                     "精燉牛肉湯 X  02\r\n"
                                                                     "豆鼓排骨  X  11\r\n"
                                                                     "蜜酥花生小魚  X  03\r\n"
                                                                     "醬燒小卷  X  12\r\n"
                                                                     "蜜汁雞腿 X  13\r\n"
                                                                     "特製沾醬包  X  10\r\n");

        // Only the exact text "00" leaves a product out; anything typed is listed as it stands.
        QTest::newRow("typed quantities kept as typed")
            << withQuantities(plain(), { { "Combo5", "" }, { "Combo6", "0" }, { "Combo7", " 00" }, { "Combo8", "7" } })
            << QStringLiteral("(k) 的訂單")
            << QStringLiteral("收件姓名：n\r\n"
                              "收件地址：a\r\n"
                              "暱稱：k\r\n"
                              "聯絡電話：(1)t1   (2)t2\r\n"
                              "帳號末5碼：12345\r\n"
                              "匯款日期+詳細時間：r\r\n"
                              "匯款金額：0\r\n"
                              "收件日期：平日   (1) d1   (2) d2   (3) d3\r\n"
                              "收件時段：不指定\r\n"
                              "備註：m\r\n"
                              "\r\n"
                              "訂購商品：\r\n"
                              "黑胡椒毛豆  X  \r\n"
                              "筍絲扣肉  X  0\r\n"
                              "花生豬腳湯  X   00\r\n"
                              "麻油血糕  X  7\r\n");

        OrderInput abc = plain();
        abc.details.nickName = QStringLiteral("abc");
        abc.amount = QStringLiteral(" 1,650元");
        QTest::newRow("nickname abc, amount verbatim") << abc << QStringLiteral("(abc) 的訂單")
                                                       << QStringLiteral("收件姓名：n\r\n"
                                                                         "收件地址：a\r\n"
                                                                         "暱稱：abc\r\n"
                                                                         "聯絡電話：(1)t1   (2)t2\r\n"
                                                                         "帳號末5碼：12345\r\n"
                                                                         "匯款日期+詳細時間：r\r\n"
                                                                         "匯款金額： 1,650元\r\n"
                                                                         "收件日期：平日   (1) d1   (2) d2   (3) d3\r\n"
                                                                         "收件時段：不指定\r\n"
                                                                         "備註：m\r\n"
                                                                         "\r\n"
                                                                         "訂購商品：\r\n");

        OrderInput blanks = plain();
        blanks.details
            = { " ", " ", " ", " ", "  ", " ", " ", " ", " ", " ", "  x  ", 1, { false, false, false, true } };
        QTest::newRow("blanks copied untrimmed") << blanks << QStringLiteral("( ) 的訂單")
                                                 << QStringLiteral("收件姓名： \r\n"
                                                                   "收件地址： \r\n"
                                                                   "暱稱： \r\n"
                                                                   "聯絡電話：(1)    (2)  \r\n"
                                                                   "帳號末5碼： \r\n"
                                                                   "匯款日期+詳細時間： \r\n"
                                                                   "匯款金額：0\r\n"
                                                                   "收件日期：平日   (1)     (2)     (3)  \r\n"
                                                                   "收件時段：不指定\r\n"
                                                                   "備註：  x  \r\n"
                                                                   "\r\n"
                                                                   "訂購商品：\r\n");
    }
    void compose()
    {
        QFETCH(OrderInput, input);
        QFETCH(QString, subject);
        QFETCH(QString, body);
        const order::OrderEmail email = order::composeOrderEmail(input);
        QCOMPARE(email.subject, subject);
        QCOMPARE(email.body, body);
    }

    void completeness_data()
    {
        QTest::addColumn<Details>("details");
        QTest::addColumn<bool>("complete");

        const Details filled = plain().details;
        QTest::newRow("all filled") << filled << true;
        Details optionalEmpty = filled;
        optionalEmpty.tel2.clear();
        optionalEmpty.remark.clear();
        optionalEmpty.timeSlot = {};
        optionalEmpty.normalDay = 0;
        QTest::newRow("optional details empty") << optionalEmpty << true;
        QTest::newRow("a blank each") << Details { " ", " ", " ", " ", "", " ", " ", " ", " ", " ", "" } << true;

        const std::pair<const char*, QString Details::*> required[]
            = { { "Text2", &Details::name }, { "Text1", &Details::address }, { "Text3", &Details::account },
                  { "Text4", &Details::nickName }, { "Text5", &Details::tel1 }, { "Text6", &Details::remittedAt },
                  { "Text8", &Details::day1 }, { "Text7", &Details::day2 }, { "Text10", &Details::day3 } };
        for (const auto& [box, field] : required) {
            Details missing = filled;
            (missing.*field).clear();
            QTest::addRow("%s empty", box) << missing << false;
        }
        QTest::newRow("all empty") << Details {} << false;
    }
    void completeness()
    {
        QFETCH(Details, details);
        QFETCH(bool, complete);
        QCOMPARE(order::detailsComplete(details), complete);
    }
};

QTEST_GUILESS_MAIN(TestOrderEmail)
#include "tst_order_email.moc"
