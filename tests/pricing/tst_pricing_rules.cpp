// The pricing rules without a window: the shipping fee, one line's figures, the totals.

#include "pricing/line_pricing.h"
#include "pricing/quantity.h"
#include "pricing/shipping_fee.h"
#include "pricing/totals.h"

#include <QTest>

using namespace pricing;

namespace {

// The fee rule stated another way: a block's fee climbs in steps as its points pass 1, 3 and 9.
qint64 feeBySteps(int points)
{
    const int rest = points % 20;
    return 270 * (points / 20) + (rest >= 1 ? 150 : 0) + (rest >= 3 ? 50 : 0) + (rest >= 9 ? 70 : 0);
}

}

class TestPricingRules : public QObject {
    Q_OBJECT

private slots:
    void feeAtThresholds_data()
    {
        QTest::addColumn<qint64>("points");
        QTest::addColumn<qint64>("fee");
        const QList<std::pair<qint64, qint64>> table { { 0, 0 }, { 1, 150 }, { 2, 150 }, { 3, 200 }, { 8, 200 },
            { 9, 270 }, { 19, 270 }, { 20, 270 }, { 21, 420 }, { 22, 420 }, { 23, 470 }, { 28, 470 }, { 29, 540 },
            { 40, 540 }, { 41, 690 }, { 42, 690 }, { 240, 3240 } };
        for (const auto& [points, fee] : table)
            QTest::addRow("%lld points", points) << points << fee;
    }
    void feeAtThresholds()
    {
        QFETCH(qint64, points);
        QFETCH(qint64, fee);
        QCOMPARE(shippingFee(points), std::optional<qint64>(fee));
    }

    // Every points total the product page can reach (0 to 240).
    void feeForEveryReachableTotal()
    {
        for (int points = 0; points <= 240; ++points) {
            QCOMPARE(shippingFee(points), std::optional<qint64>(feeBySteps(points)));
            if (points >= 20)
                QCOMPARE(*shippingFee(points), *shippingFee(points - 20) + 270);
        }
    }

    void noFeeForImpossibleTotals()
    {
        QVERIFY(!shippingFee(-1));
        QVERIFY(!shippingFee(std::numeric_limits<qint64>::max()));
    }

    void linePricing_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<int>("pointsPerUnit");
        QTest::addColumn<bool>("priced");
        QTest::addColumn<QString>("subtotal");
        QTest::addColumn<QString>("points"); // empty: the points are not written
        QTest::newRow("two-point row") << "05"
                                       << "400" << 2 << true << "2000"
                                       << "10";
        QTest::newRow("one-point row") << "05"
                                       << "220" << 1 << true << "1100"
                                       << "5";
        QTest::newRow("no-point row") << "05"
                                      << "100" << 0 << true << "500"
                                      << "";
        QTest::newRow("none") << "00"
                              << "400" << 2 << true << "0"
                              << "0";
        QTest::newRow("typed, one digit") << "3"
                                          << "220" << 1 << true << "660"
                                          << "3";
        QTest::newRow("cleared box") << ""
                                     << "220" << 1 << true << "0"
                                     << "0";
        QTest::newRow("price past 16 bits") << "20"
                                            << "40000" << 1 << true << "800000"
                                            << "20";
        QTest::newRow("quantity not a number") << "x"
                                               << "220" << 1 << false << ""
                                               << "";
        QTest::newRow("price not a number") << "05"
                                            << "abc" << 1 << false << ""
                                            << "";
        QTest::newRow("subtotal out of range") << "1e300"
                                               << "1e10" << 1 << false << ""
                                               << "";
        QTest::newRow("points out of range") << "1e308"
                                             << "0" << 2 << false << ""
                                             << "";
    }
    void linePricing()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        QFETCH(int, pointsPerUnit);
        QFETCH(bool, priced);
        QFETCH(QString, subtotal);
        QFETCH(QString, points);
        const std::optional<LineFigures> line = priceLine(quantity, price, pointsPerUnit);
        QCOMPARE(line.has_value(), priced);
        if (!priced)
            return;
        QCOMPARE(line->subtotal, subtotal);
        QCOMPARE(line->points, points.isEmpty() ? std::nullopt : std::optional<QString>(points));
    }

    void typedQuantityAsListItem_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("item"); // empty: no list item
        QTest::newRow("one digit") << "3"
                                   << "03";
        QTest::newRow("empty") << ""
                               << "00";
        QTest::newRow("already an item") << "07"
                                         << "07";
        QTest::newRow("twenty") << "20"
                                << "20";
        QTest::newRow("past twenty") << "21"
                                     << "";
        QTest::newRow("negative") << "-1"
                                  << "";
        QTest::newRow("fraction") << "2.5"
                                  << "";
        QTest::newRow("letters") << "ab"
                                 << "";
        QTest::newRow("huge") << "1e300"
                              << "";
    }
    void typedQuantityAsListItem()
    {
        QFETCH(QString, typed);
        QFETCH(QString, item);
        QCOMPARE(quantityItem(typed), item.isEmpty() ? std::nullopt : std::optional<QString>(item));
    }

    void totals()
    {
        const QStringList twentyOfEach { "8000", "4400", "2400", "6600", "4400", "4400", "0", "4400", "5000", "4000",
            "4000", "4000", "2000" };
        QCOMPARE(columnSum(twentyOfEach), std::optional<QString>("53600")); // past the 16-bit range
        QCOMPARE(shippingFeeText("240"), std::optional<QString>("3240"));
        QCOMPARE(amountToTransfer("53600", "3240"), std::optional<QString>("56840"));
        QCOMPARE(columnSum({}), std::optional<QString>("0"));

        QVERIFY(!columnSum({ "400", "x" }));
        QVERIFY(!columnSum({ "9007199254740992", "9007199254740992", "1e16" }));
        QVERIFY(!shippingFeeText(""));
        QVERIFY(!shippingFeeText("-5"));
        QVERIFY(!amountToTransfer("400", "fee"));
    }
};

QTEST_GUILESS_MAIN(TestPricingRules)
#include "tst_pricing_rules.moc"
