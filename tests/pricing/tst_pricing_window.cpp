// Pricing as the customer sees it: quantities picked from the list or typed into the real boxes,
// figures read off the labels.

#include "pricing/catalogue.h"
#include "support/gui_support.h"

class TestPricingWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;
    QComboBox* row2 = nullptr; // Combo4: 220 each, one point each

    QString caption(const QString& label) const { return form->label(label)->text(); }

    // "Label6=8000 Label10=40": those labels show those figures; every other line and total shows
    // "0", and the repeated totals agree with their originals.
    void expectFigures(const QString& expected)
    {
        QHash<QString, QString> want { { "Label15", "0" }, { "Label16", "0" }, { "Label22", "0" }, { "Label25", "0" } };
        for (const pricing::Product& row : pricing::catalogue)
            for (const char* label : { row.subtotalLabel, row.pointsLabel })
                want.insert(label, "0");
        for (const QString& pair : expected.split(' ', Qt::SkipEmptyParts))
            want.insert(pair.section('=', 0, 0), pair.section('=', 1));
        for (auto [label, figure] : want.asKeyValueRange())
            QVERIFY2(caption(label) == figure, qPrintable(label + " shows " + caption(label) + ", not " + figure));
        QCOMPARE(caption("Label19"), caption("Label15"));
        QCOMPARE(caption("Label68"), caption("Label25"));
    }

    // Row 2's figures and the amount to transfer, for `units` of its dish.
    void expectRow2(int units)
    {
        const int fee = units == 0 ? 0 : units < 3 ? 150 : units < 9 ? 200 : 270;
        expectFigures(QString::asprintf("Label28=%d Label29=%d Label15=%d Label16=%d Label22=%d Label25=%d",
            units * 220, units, units * 220, units, fee, units * 220 + fee));
    }

    // "Combo1=20 Combo5=01": picks item 20 in Combo1, then item 01 in Combo5.
    void pick(const QString& picks, bool arrows = false)
    {
        for (const QString& p : picks.split(' ', Qt::SkipEmptyParts)) {
            QComboBox* box = form->comboBox(p.section('=', 0, 0));
            arrows ? support::pickWithArrows(box, p.section('=', 1)) : support::pickFromList(box, p.section('=', 1));
        }
    }

private slots:
    void init()
    {
        form = support::startProgram();
        support::click(*form, QStringLiteral("Command2")); // to the product page
        row2 = form->comboBox(QStringLiteral("Combo4"));
    }
    void cleanup() { form.reset(); }

    void picks_data()
    {
        QTest::addColumn<bool>("arrows");
        QTest::addColumn<QString>("picks");
        QTest::addColumn<QString>("figures");
        const auto add = [](const char* name, const char* picks, const char* figures) {
            QTest::addRow("%s, from the list", name) << false << QString(picks) << QString(figures);
            QTest::addRow("%s, with arrow keys", name) << true << QString(picks) << QString(figures);
        };
        add("nothing picked", "", "");
        add("row 1 twenty", "Combo1=20", "Label6=8000 Label10=40 Label15=8000 Label16=40 Label22=540 Label25=8540");
        add("row 1 one", "Combo1=01", "Label6=400 Label10=2 Label15=400 Label16=2 Label22=150 Label25=550");
        add("row 2 five", "Combo4=05", "Label28=1100 Label29=5 Label15=1100 Label16=5 Label22=200 Label25=1300");
        add("row 13 five, no points", "Combo10=05", "Label46=500 Label15=500 Label25=500");
        add("20 points", "Combo1=10", "Label6=4000 Label10=20 Label15=4000 Label16=20 Label22=270 Label25=4270");
        add("21 points", "Combo1=10 Combo5=01",
            "Label6=4000 Label10=20 Label36=120 Label37=1 Label15=4120 Label16=21 Label22=420 Label25=4540");
        add("41 points", "Combo1=20 Combo2=01",
            "Label6=8000 Label10=40 Label7=220 Label11=1 Label15=8220 Label16=41 Label22=690 Label25=8910");
        add("a row back to 00", "Combo1=05 Combo4=03 Combo1=00",
            "Label28=660 Label29=3 Label15=660 Label16=3 Label22=200 Label25=860");
        add("everything back to 00", "Combo13=04 Combo10=02 Combo13=00 Combo10=00", "");
    }
    void picks()
    {
        QFETCH(bool, arrows);
        QFETCH(QString, picks);
        QFETCH(QString, figures);
        pick(picks, arrows);
        expectFigures(figures);
    }

    // Past the 16-bit range the figures once stopped at: every order the boxes allow adds up.
    void twentyOfEverything()
    {
        QString figures = "Label15=53600 Label16=240 Label22=3240 Label25=56840";
        for (const pricing::Product& row : pricing::catalogue) {
            QCOMPARE(form->comboBox(row.quantityBox)->isEnabled(), row.orderable); // row 7 stays "0"
            if (row.orderable) {
                pick(row.quantityBox + QStringLiteral("=20"));
                figures += QString::asprintf(" %s=%d %s=%d", row.subtotalLabel, 20 * QString(row.price).toInt(),
                    row.pointsLabel, 20 * row.pointsPerUnit);
            }
        }
        expectFigures(figures);
    }

    // A caption that is not a number (no designed one is) stops the recalculation: nothing crashes
    // and no label shows a figure computed from it.
    void unreadableCaptionWritesNothing_data()
    {
        support::addRows<QString, QString, QString>({ "label", "pick", "figures" },
            {
                { "unit price", "Label55", "Combo4=05", "Label6=400 Label10=2 Label15=400 Label25=550" },
                { "another row's subtotal", "Label36", "Combo1=02", "Label6=800 Label10=4 Label15=400 Label25=550" },
                { "another row's points", "Label37", "Combo1=02",
                    "Label6=800 Label10=4 Label15=400 Label16=2 Label25=550" },
            });
    }
    void unreadableCaptionWritesNothing()
    {
        QFETCH(QString, label);
        QFETCH(QString, pick);
        QFETCH(QString, figures);
        this->pick("Combo1=01");
        form->label(label)->setText(QStringLiteral("abc"));
        this->pick(pick);
        for (const QString& pair : figures.split(' '))
            QCOMPARE(caption(pair.section('=', 0, 0)), pair.section('=', 1));
        QCOMPARE(caption("Label68"), QStringLiteral("550"));
    }

    // A typed quantity counts exactly as a picked one, while typing and after editing ends.
    void typing_data()
    {
        support::addRows<QString, Qt::Key, QString, QString, int>(
            { "typed", "leaveWith", "shownWhileTyping", "shownAfter", "units" },
            {
                { "3, Tab", "3", Qt::Key_Tab, "3", "03", 3 },
                { "3, Enter", "3", Qt::Key_Return, "3", "03", 3 },
                { "two digits", "17", Qt::Key_Tab, "17", "17", 17 },
                { "twenty", "20", Qt::Key_Tab, "20", "20", 20 },
                { "cleared", "", Qt::Key_Tab, "", "00", 0 },
                { "a digit taken back", "19\b", Qt::Key_Tab, "1", "01", 1 },
                { "25 stops at 2", "25", Qt::Key_Tab, "2", "02", 2 },
                { "123 stops at 12", "123", Qt::Key_Return, "12", "12", 12 },
                { "sign refused", "-4", Qt::Key_Tab, "4", "04", 4 },
                { "letters refused", "abc", Qt::Key_Tab, "05", "05", 5 },
                { "letter after digit refused", "7x", Qt::Key_Return, "7", "07", 7 },
            });
    }
    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(Qt::Key, leaveWith);
        QFETCH(QString, shownWhileTyping);
        QFETCH(QString, shownAfter);
        QFETCH(int, units);
        support::pickFromList(row2, QStringLiteral("05"));
        support::typeInto(row2, typed);
        QCOMPARE(row2->currentText(), shownWhileTyping);
        expectRow2(units); // the figures follow the text before editing ends
        QTest::keyClick(row2->lineEdit(), leaveWith);
        QCOMPARE(row2->currentText(), shownAfter);
        expectRow2(units);
        QCOMPARE(row2->count(), 21);
        if (leaveWith == Qt::Key_Tab)
            QVERIFY(!row2->hasFocus());
    }

    // After a typed quantity the list picks up from it, and nothing was added to it.
    void listWorksAfterTyping()
    {
        support::typeInto(row2, QStringLiteral("3"));
        QTest::keyClick(row2->lineEdit(), Qt::Key_Tab);
        QCOMPARE(row2->currentIndex(), 3);
        row2->setFocus();
        QTest::keyClick(row2, Qt::Key_Down);
        QCOMPARE(row2->currentText(), QStringLiteral("04"));
        expectRow2(4);
        support::pickFromList(row2, QStringLiteral("09"));
        expectRow2(9);
        QCOMPARE(row2->count(), 21);
    }
};

QTEST_MAIN(TestPricingWindow)
#include "tst_pricing_window.moc"
