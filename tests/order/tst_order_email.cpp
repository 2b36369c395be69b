// The order e-mail, byte for byte, and which details count as complete.

#include "order/order_email.h"
#include "support/data_rows.h"

using order::Details;
using Lines = QMap<int, QString>; // line number (from 1) -> the line, CR LF included

namespace {

const std::array<bool, 4> anyTime { false, false, false, true };
// Short details: each case changes what it is about.
const Details plain { "n", "a", "k", "t1", "t2", "12345", "r", "d1", "d2", "d3", "m", 1, anyTime };

// The e-mail for `details` and the quantities "Combo1=03,Combo10=12" (every other box at "00").
order::OrderEmail compose(const Details& details, const QString& quantities = {}, const QString& amount = "0")
{
    order::OrderInput in { details, amount, {} };
    in.quantities.fill(QStringLiteral("00"));
    for (const QString& pick : quantities.split(',', Qt::SkipEmptyParts)) {
        const auto row = std::find_if(pricing::catalogue.begin(), pricing::catalogue.end(),
            [&](const pricing::Product& p) { return pick.section('=', 0, 0) == QLatin1String(p.quantityBox); });
        in.quantities[std::size_t(row - pricing::catalogue.begin())] = pick.section('=', 1);
    }
    return order::composeOrderEmail(in);
}

// The body cut after each CR LF, which stays on its line; text after the last CR LF is a line too.
QStringList bodyLines(const QString& body)
{
    QStringList lines = body.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        lines[i] += QStringLiteral("\r\n");
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestOrderEmail : public QObject {
    Q_OBJECT

private slots:
    void fullOrder()
    {
        const Details details { "林美華", "台北市大安區和平東路二段100號5樓", "美華", "0912-345-678", "02-2345-6789",
            "54321", "8/20 14:35", "8/26", "8/27", "8/28", "請放管理室", 1, { false, true, false, false } };
        const order::OrderEmail email = compose(details, "Combo1=02,Combo4=05,Combo11=12,Combo10=03", "2360");
        QCOMPARE(email.subject, QStringLiteral("(美華) 的訂單"));
        QCOMPARE(email.body,
            QStringLiteral("收件姓名：林美華\r\n"
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
                           "特製沾醬包  X  03\r\n"));
    }

    // Nothing ordered: plain details with a change or two, and the lines that change with them; the
    // body still ends with the products' heading and its CR LF.
    void detailLines_data()
    {
        const QString holidays = "收件日期：假日   (1) d1   (2) d2   (3) d3\r\n";
        support::addRows<Details, QString, QString, Lines>({ "details", "amount", "subject", "lines" },
            {
                { "every box at 00", plain, "0", "(k) 的訂單", { { 9, "收件時段：不指定\r\n" } } },
                { "optional fields empty", { "n", "a", "k", "t1", "", "12345", "r", "d1", "d2", "d3", "", 1, anyTime },
                    "0", "(k) 的訂單", { { 4, "聯絡電話：(1)t1   (2)\r\n" }, { 10, "備註：\r\n" } } },
                { "no time slot selected", { "n", "a", "k", "t1", "t2", "12345", "r", "d1", "d2", "d3", "m", 1, {} },
                    "0", "(k) 的訂單", { { 9, "收件時段：\r\n" } } },
                // Only the first selected option counts, should the group ever hold two.
                { "中午前, Check1 clear",
                    { "n", "a", "k", "t1", "t2", "12345", "r", "d1", "d2", "d3", "m", 0, { true, false, true, false } },
                    "0", "(k) 的訂單", { { 8, holidays }, { 9, "收件時段：中午前\r\n" } } },
                { "17~20, Check1 greyed",
                    { "n", "a", "k", "t1", "t2", "12345", "r", "d1", "d2", "d3", "m", 2,
                        { false, false, true, false } },
                    "0", "(k) 的訂單", { { 8, holidays }, { 9, "收件時段：17~20\r\n" } } },
                { "nickname abc, amount verbatim",
                    { "n", "a", "abc", "t1", "t2", "12345", "r", "d1", "d2", "d3", "m", 1, anyTime }, " 1,650元",
                    "(abc) 的訂單", { { 3, "暱稱：abc\r\n" }, { 7, "匯款金額： 1,650元\r\n" } } },
                { "blanks copied untrimmed", { " ", " ", " ", " ", "  ", " ", " ", " ", " ", " ", "  x  ", 1, anyTime },
                    "0", "( ) 的訂單",
                    { { 1, "收件姓名： \r\n" }, { 4, "聯絡電話：(1)    (2)  \r\n" },
                        { 8, "收件日期：平日   (1)     (2)     (3)  \r\n" }, { 10, "備註：  x  \r\n" } } },
            });
    }
    void detailLines()
    {
        QFETCH(Details, details);
        QFETCH(QString, amount);
        QFETCH(QString, subject);
        QFETCH(Lines, lines);
        const order::OrderEmail email = compose(details, {}, amount);
        QCOMPARE(email.subject, subject);
        const QStringList body = bodyLines(email.body);
        for (auto [number, line] : lines.asKeyValueRange())
            QCOMPARE(body.value(number - 1), line);
        QCOMPARE(body.mid(10), QStringList({ "\r\n", "訂購商品：\r\n" }));
    }

    // The lines after "訂購商品：", each with its CR LF.
    void productLines_data()
    {
        support::addRows<QString, QStringList>({ "quantities", "products" },
            {
                { "03 in Combo1, 12 in Combo10", "Combo1=03,Combo10=12", { "薑母鴨  X  03", "特製沾醬包  X  12" } },
                { "01 in Combo2, one blank before X", "Combo2=01", { "精燉牛肉湯 X  01" } },
                // Page order, not the boxes' numbers; the unavailable row is listed like any other.
                { "every product, page order",
                    "Combo1=01,Combo2=02,Combo3=03,Combo4=04,Combo5=05,Combo6=06,Combo7=07,Combo8=08,Combo9=09,"
                    "Combo10=10,Combo11=11,Combo12=12,Combo13=13",
                    { "薑母鴨  X  01", "香菇滷肉  X  04", "黑胡椒毛豆  X  05", "筍絲扣肉  X  06", "花生豬腳湯  X  07",
                        "麻油血糕  X  08", "鳳梨蝦仁 X  09", "精燉牛肉湯 X  02", "豆鼓排骨  X  11",
                        "蜜酥花生小魚  X  03", "醬燒小卷  X  12", "蜜汁雞腿 X  13", "特製沾醬包  X  10" } },
                // Only the exact text "00" leaves a product out; anything typed is listed as it stands.
                { "typed quantities kept as typed", "Combo5=,Combo6=0,Combo7= 00,Combo8=7",
                    { "黑胡椒毛豆  X  ", "筍絲扣肉  X  0", "花生豬腳湯  X   00", "麻油血糕  X  7" } },
            });
    }
    void productLines()
    {
        QFETCH(QString, quantities);
        QFETCH(QStringList, products);
        const order::OrderEmail email = compose(plain, quantities);
        QCOMPARE(email.subject, QStringLiteral("(k) 的訂單"));
        QStringList expected { "訂購商品：\r\n" };
        for (const QString& line : products)
            expected << line + "\r\n";
        QCOMPARE(bodyLines(email.body).mid(11), expected);
    }

    void completeness_data()
    {
        QTest::addColumn<Details>("details");
        QTest::addColumn<bool>("complete");
        QTest::newRow("all filled") << plain << true;
        QTest::newRow("optional details empty")
            << Details { "n", "a", "k", "t1", "", "1", "r", "d1", "d2", "d3", "" } << true;
        QTest::newRow("a blank each") << Details { " ", " ", " ", " ", "", " ", " ", " ", " ", " ", "" } << true;
        const std::pair<const char*, QString Details::*> required[]
            = { { "Text2", &Details::name }, { "Text1", &Details::address }, { "Text3", &Details::account },
                  { "Text4", &Details::nickName }, { "Text5", &Details::tel1 }, { "Text6", &Details::remittedAt },
                  { "Text8", &Details::day1 }, { "Text7", &Details::day2 }, { "Text10", &Details::day3 } };
        for (const auto& [box, field] : required) {
            Details missing = plain;
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
