// The pricing rules without a window: reading captions as numbers and writing numbers as captions,
// the shipping fee, one line's figures, the totals.

#include "platform/conversions.h"
#include "pricing/line_pricing.h"
#include "pricing/quantity.h"
#include "pricing/shipping_fee.h"
#include "pricing/totals.h"
#include "support/data_rows.h"

using namespace pricing;
using namespace platform;
using Text = std::optional<QString>;
using Real = std::optional<double>;
using Whole = std::optional<qint64>; // none outside the whole-number range

class TestPricingRules : public QObject {
    Q_OBJECT

private slots:
    void readsText_data()
    {
        support::addRows<QString, Real, Whole>({ "text", "asDouble", "asInteger" },
            {
                { "list item", "05", 5.0, 5 },
                { "negative", "-3", -3.0, -3 },
                { "blanks around", " 7 ", 7.0, 7 },
                { "fraction rounds down", "2.4", 2.4, 2 },
                { "half to even, down", "2.5", 2.5, 2 },
                { "half to even, up", "3.5", 3.5, 4 },
                { "exponent", "1e3", 1000.0, 1000 },
                { "past 16 bits", "56840", 56840.0, 56840 },
                { "2^53", "9007199254740992", 9007199254740992.0, 9007199254740992 },
                { "past 2^53", "1e16", 1e16, {} },
                { "empty", "", {}, {} },
                { "blank", " ", {}, {} },
                { "letters", "abc", {}, {} },
                { "digits then letters", "3x", {}, {} },
                { "group separator", "1,000", {}, {} },
                { "hexadecimal", "0x10", {}, {} },
                { "infinity", "inf", {}, {} },
                { "not a number", "nan", {}, {} },
                { "too large for a double", "1e999", {}, {} },
            });
    }
    void readsText()
    {
        QFETCH(QString, text);
        QFETCH(Real, asDouble);
        QFETCH(Whole, asInteger);
        QCOMPARE(textToDouble(text), asDouble);
        QCOMPARE(textToInteger(text), asInteger);
    }

    void writesDouble_data()
    {
        support::addRows<double, Text>({ "value", "text" },
            {
                { "zero", 0.0, "0" },
                { "negative zero", -0.0, "0" },
                { "whole, no group separator", 53600.0, "53600" },
                { "fraction", 2.5, "2.5" },
                { "15 significant digits", 0.1 + 0.2, "0.3" },
                { "negative", -440.0, "-440" },
                { "infinity refused", std::numeric_limits<double>::infinity(), {} },
                { "not a number refused", std::numeric_limits<double>::quiet_NaN(), {} },
            });
    }
    void writesDouble()
    {
        QFETCH(double, value);
        QFETCH(Text, text);
        QCOMPARE(doubleToText(value), text);
    }

    void feeAtThresholds_data()
    {
        QTest::addColumn<qint64>("points");
        QTest::addColumn<qint64>("fee");
        const std::pair<qint64, qint64> table[] { { 0, 0 }, { 1, 150 }, { 2, 150 }, { 3, 200 }, { 8, 200 }, { 9, 270 },
            { 19, 270 }, { 20, 270 }, { 21, 420 }, { 22, 420 }, { 23, 470 }, { 28, 470 }, { 29, 540 }, { 40, 540 },
            { 41, 690 }, { 42, 690 }, { 240, 3240 } };
        for (const auto& [points, fee] : table)
            QTest::addRow("%lld points", points) << points << fee;
    }
    void feeAtThresholds()
    {
        QFETCH(qint64, points);
        QFETCH(qint64, fee);
        QCOMPARE(shippingFee(points), std::optional<qint64>(fee));
    }

    // Every points total the product page can reach (0 to 240), against the rule stated another
    // way: a block's fee climbs in steps as its points pass 1, 3 and 9.
    void feeForEveryReachableTotal()
    {
        for (int points = 0; points <= 240; ++points) {
            const int rest = points % 20;
            const qint64 bySteps
                = 270 * (points / 20) + (rest >= 1 ? 150 : 0) + (rest >= 3 ? 50 : 0) + (rest >= 9 ? 70 : 0);
            QCOMPARE(shippingFee(points), std::optional<qint64>(bySteps));
        }
        QVERIFY(!shippingFee(-1)); // no fee for totals no order reaches
        QVERIFY(!shippingFee(std::numeric_limits<qint64>::max()));
    }

    void linePricing_data()
    {
        // subtotal and points: no value when the line is not priced; points also none when not written.
        // The common cases are priced through the window in tst_pricing_window.
        support::addRows<QString, QString, int, Text, Text>(
            { "quantity", "price", "pointsPerUnit", "subtotal", "points" },
            {
                { "no-point row writes no points", "05", "100", 0, "500", {} },
                { "price past 16 bits", "20", "40000", 1, "800000", "20" },
                { "quantity not a number", "x", "220", 1, {}, {} },
                { "price not a number", "05", "abc", 1, {}, {} },
                { "subtotal out of range", "1e300", "1e10", 1, {}, {} },
                { "points out of range", "1e308", "0", 2, {}, {} },
            });
    }
    void linePricing()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        QFETCH(int, pointsPerUnit);
        QFETCH(Text, subtotal);
        QFETCH(Text, points);
        const std::optional<LineFigures> line = priceLine(quantity, price, pointsPerUnit);
        QCOMPARE(line ? Text(line->subtotal) : Text(), subtotal);
        QCOMPARE(line ? line->points : Text(), points);
    }

    void typedQuantityAsListItem_data()
    {
        support::addRows<QString, Text>({ "typed", "item" },
            {
                { "already an item", "07", "07" },
                { "past twenty", "21", {} },
                { "negative", "-1", {} },
                { "fraction", "2.5", {} },
                { "letters", "ab", {} },
                { "huge", "1e300", {} },
            });
    }
    void typedQuantityAsListItem()
    {
        QFETCH(QString, typed);
        QFETCH(Text, item);
        QCOMPARE(quantityItem(typed), item);
    }

    void totals()
    {
        // The sums of large orders are checked through the window in tst_pricing_window.
        QCOMPARE(columnSum({}), Text("0"));
        QCOMPARE(integerToText(-270), QStringLiteral("-270"));
        QVERIFY(!columnSum({ "400", "x" }));
        QVERIFY(!columnSum({ "9007199254740992", "9007199254740992", "1e16" }));
        QVERIFY(!shippingFeeText(""));
        QVERIFY(!shippingFeeText("-5"));
        QVERIFY(!amountToTransfer("400", "fee"));
    }
};

QTEST_GUILESS_MAIN(TestPricingRules)
#include "tst_pricing_rules.moc"
