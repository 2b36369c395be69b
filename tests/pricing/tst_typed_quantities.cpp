// A quantity typed into a box counts exactly as one picked from its list.

#include "support/gui_support.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using form::Form1;

class TestTypedQuantities : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;
    QComboBox* box = nullptr; // row 2, 220 each, one point each

    QString caption(const char* label) const { return form->label(QString::fromLatin1(label))->text(); }

    // Row 2's figures and the amount to transfer, on both pages.
    void expectRow2(int units)
    {
        const int fee = units == 0 ? 0 : units < 3 ? 150 : units < 9 ? 200 : 270;
        QCOMPARE(caption("Label28"), QString::number(units * 220));
        QCOMPARE(caption("Label29"), QString::number(units));
        QCOMPARE(caption("Label15"), QString::number(units * 220));
        QCOMPARE(caption("Label19"), caption("Label15"));
        QCOMPARE(caption("Label16"), QString::number(units));
        QCOMPARE(caption("Label22"), QString::number(fee));
        QCOMPARE(caption("Label25"), QString::number(units * 220 + fee));
        QCOMPARE(caption("Label68"), caption("Label25"));
    }

private slots:
    void initTestCase() { support::isolateSettings(); }
    void init()
    {
        form = support::startProgram();
        support::click(*form, QStringLiteral("Command2"));
        box = form->comboBox(QStringLiteral("Combo4"));
        support::pickFromList(box, QStringLiteral("05"));
    }
    void cleanup() { form.reset(); }

    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Qt::Key>("leaveWith");
        QTest::addColumn<QString>("shownWhileTyping");
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<int>("units");
        QTest::newRow("3, Tab") << "3" << Qt::Key_Tab << "3"
                                << "03" << 3;
        QTest::newRow("3, Enter") << "3" << Qt::Key_Return << "3"
                                  << "03" << 3;
        QTest::newRow("two digits") << "17" << Qt::Key_Tab << "17"
                                    << "17" << 17;
        QTest::newRow("twenty") << "20" << Qt::Key_Tab << "20"
                                << "20" << 20;
        QTest::newRow("cleared") << "" << Qt::Key_Tab << ""
                                 << "00" << 0;
        QTest::newRow("25 stops at 2") << "25" << Qt::Key_Tab << "2"
                                       << "02" << 2;
        QTest::newRow("123 stops at 12") << "123" << Qt::Key_Return << "12"
                                         << "12" << 12;
        QTest::newRow("sign refused") << "-4" << Qt::Key_Tab << "4"
                                      << "04" << 4;
        QTest::newRow("letters refused") << "abc" << Qt::Key_Tab << "05"
                                         << "05" << 5;
        QTest::newRow("letter after digit refused") << "7x" << Qt::Key_Return << "7"
                                                    << "07" << 7;
    }
    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(Qt::Key, leaveWith);
        QFETCH(QString, shownWhileTyping);
        QFETCH(QString, shownAfter);
        QFETCH(int, units);

        support::typeInto(box, typed);
        QCOMPARE(box->currentText(), shownWhileTyping);
        expectRow2(units); // the figures follow the text before editing ends

        QTest::keyClick(box->lineEdit(), leaveWith);
        QCOMPARE(box->currentText(), shownAfter);
        expectRow2(units);
        QCOMPARE(box->count(), 21);
        if (leaveWith == Qt::Key_Tab)
            QVERIFY(!box->hasFocus());
    }

    void totalsFollowEveryKeystroke()
    {
        support::typeInto(box, QStringLiteral("1"));
        expectRow2(1);
        QTest::keyClick(box->lineEdit(), Qt::Key_9);
        expectRow2(19);
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        expectRow2(0);
    }

    // After a typed quantity the list picks up from it, and nothing was added to it.
    void listWorksAfterTyping()
    {
        support::typeInto(box, QStringLiteral("3"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Tab);
        QCOMPARE(box->currentIndex(), 3);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), QStringLiteral("04"));
        expectRow2(4);
        support::pickFromList(box, QStringLiteral("09"));
        expectRow2(9);
        QCOMPARE(box->count(), 21);
    }
};

QTEST_MAIN(TestTypedQuantities)
#include "tst_typed_quantities.moc"
