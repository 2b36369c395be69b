// The edges of reading check box and option values from a hand-edited store. The common cases are
// read through the real store in tst_profile_restore.

#include "profile/stored_text.h"

#include <QTest>

class TestStoredText : public QObject {
    Q_OBJECT

private slots:
    void checkValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: no value
        QTest::newRow("greyed") << "2" << 2;
        QTest::newRow("leading zero") << "01" << 1;
        QTest::newRow("decimal") << "1.0" << 1;
        QTest::newRow("half rounds to even, down") << "0.5" << 0;
        QTest::newRow("half rounds to even, up") << "1.5" << 2;
        QTest::newRow("just below zero") << "-0.4" << 0;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("boolean word") << "True" << -1;
        QTest::newRow("trailing letters") << "1x" << -1;
        QTest::newRow("three") << "3" << -1;
        QTest::newRow("beyond 16 bits") << "70000" << -1;
        QTest::newRow("infinite") << "inf" << -1;
    }
    void checkValues()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(profile::checkFromText(text).value_or(-1), expected);
    }

    void optionValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // 1 True, 0 False, -1 no value
        QTest::newRow("fraction") << "0.5" << 1;
        QTest::newRow("negative zero") << "-0" << 0;
        QTest::newRow("yes") << "yes" << -1;
        QTest::newRow("longer word") << "Truely" << -1;
        QTest::newRow("not a number") << "nan" << -1;
    }
    void optionValues()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const std::optional<bool> value = profile::optionFromText(text);
        QCOMPARE(value ? int(*value) : -1, expected);
    }
};

QTEST_GUILESS_MAIN(TestStoredText)
#include "tst_stored_text.moc"
