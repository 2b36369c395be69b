// Reading captions as numbers and writing numbers as captions.

#include "platform/conversions.h"

#include <QTest>

using namespace platform;

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void readsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("asDouble");
        QTest::addColumn<bool>("isInteger"); // within the whole-number range
        QTest::addColumn<qint64>("asInteger");
        QTest::newRow("list item") << "05" << true << 5.0 << true << qint64(5);
        QTest::newRow("zero") << "0" << true << 0.0 << true << qint64(0);
        QTest::newRow("price") << "400" << true << 400.0 << true << qint64(400);
        QTest::newRow("negative") << "-3" << true << -3.0 << true << qint64(-3);
        QTest::newRow("blanks around") << " 7 " << true << 7.0 << true << qint64(7);
        QTest::newRow("fraction rounds down") << "2.4" << true << 2.4 << true << qint64(2);
        QTest::newRow("half to even, down") << "2.5" << true << 2.5 << true << qint64(2);
        QTest::newRow("half to even, up") << "3.5" << true << 3.5 << true << qint64(4);
        QTest::newRow("exponent") << "1e3" << true << 1000.0 << true << qint64(1000);
        QTest::newRow("past 16 bits") << "56840" << true << 56840.0 << true << qint64(56840);
        QTest::newRow("2^53") << "9007199254740992" << true << 9007199254740992.0 << true << qint64(9007199254740992);
        QTest::newRow("past 2^53") << "1e16" << true << 1e16 << false << qint64(0);
        QTest::newRow("empty") << "" << false << 0.0 << false << qint64(0);
        QTest::newRow("blank") << " " << false << 0.0 << false << qint64(0);
        QTest::newRow("letters") << "abc" << false << 0.0 << false << qint64(0);
        QTest::newRow("digits then letters") << "3x" << false << 0.0 << false << qint64(0);
        QTest::newRow("group separator") << "1,000" << false << 0.0 << false << qint64(0);
        QTest::newRow("hexadecimal") << "0x10" << false << 0.0 << false << qint64(0);
        QTest::newRow("infinity") << "inf" << false << 0.0 << false << qint64(0);
        QTest::newRow("not a number") << "nan" << false << 0.0 << false << qint64(0);
        QTest::newRow("too large for a double") << "1e999" << false << 0.0 << false << qint64(0);
    }
    void readsText()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, asDouble);
        QFETCH(bool, isInteger);
        QFETCH(qint64, asInteger);
        QCOMPARE(textToDouble(text).has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*textToDouble(text), asDouble);
        QCOMPARE(textToInteger(text).has_value(), isInteger);
        if (isInteger)
            QCOMPARE(*textToInteger(text), asInteger);
    }

    void writesDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 2000.0 << "2000";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("no group separator") << 53600.0 << "53600";
        QTest::newRow("fraction") << 2.5 << "2.5";
        QTest::newRow("15 significant digits") << 0.1 + 0.2 << "0.3";
        QTest::newRow("negative") << -440.0 << "-440";
    }
    void writesDouble()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(doubleToText(value), std::optional<QString>(text));
    }

    void refusesToWriteNonFinite()
    {
        QVERIFY(!doubleToText(std::numeric_limits<double>::infinity()));
        QVERIFY(!doubleToText(std::numeric_limits<double>::quiet_NaN()));
    }

    void writesInteger()
    {
        QCOMPARE(integerToText(0), QStringLiteral("0"));
        QCOMPARE(integerToText(56840), QStringLiteral("56840"));
        QCOMPARE(integerToText(-270), QStringLiteral("-270"));
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
