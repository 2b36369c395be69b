// Pricing as the customer sees it on the product page: each quantity chosen (from the list or typed;
// the arrow keys are in tst_order's keyboard-only order) at once shows its line and the totals, the
// shipping fee from the points and the amount to transfer, which the details page repeats.

#include "platform/conversions.h"
#include "support/gui_support.h"

class TestPricing : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;

    // Goods total, points total, shipping fee and amount to transfer, as both pages show them.
    QString totals() const
    {
        const auto caption = [this](const char* label) { return form->label(QLatin1String(label))->text(); };
        if (caption("Label19") != caption("Label15") || caption("Label68") != caption("Label25"))
            return QStringLiteral("pages disagree");
        return QStringList { caption("Label15"), caption("Label16"), caption("Label22"), caption("Label25") }.join(' ');
    }
    QComboBox* box(const char* name) const { return form->comboBox(QLatin1String(name)); }

private slots:
    void init()
    {
        form = support::startProgram();
        support::click(*form, QStringLiteral("Command2"));
    }

    // Picks "Combo4=05" and so on from the lists, in order.
    void picks_data()
    {
        support::addRows<QStringList, QString, QString>({ "picks", "line", "totals" },
            {
                { "3 points", { "Combo5=03" }, "Label37=3", "360 3 200 560" },
                { "9 points", { "Combo5=09" }, "Label37=9", "1080 9 270 1350" },
                { "21 points", { "Combo5=20", "Combo6=01" }, "Label38=330 Label39=1", "2730 21 420 3150" },
                { "twenty of every dish",
                    { "Combo1=20", "Combo2=20", "Combo3=20", "Combo4=20", "Combo5=20", "Combo6=20", "Combo7=20",
                        "Combo8=20", "Combo10=20", "Combo11=20", "Combo12=20", "Combo13=20" },
                    "Label6=8000 Label28=4400 Label36=2400 Label38=6600 Label40=4400 Label42=4400 Label7=4400 "
                    "Label107=5000 Label110=4000 Label111=4000 Label117=4000 Label46=2000 Label112=20 Label10=40",
                    "53600 240 3240 56840" }, // every unit price pinned; 12 blocks of 20 points
            });
    }
    void picks()
    {
        QFETCH(QStringList, picks);
        QFETCH(QString, line);
        QFETCH(QString, totals);
        for (const QString& pick : picks)
            support::pickFromList(form->comboBox(pick.section('=', 0, 0)), pick.section('=', 1));
        for (const QString& caption : line.split(' ')) // "Label37=3": the label shows 3
            QCOMPARE(form->label(caption.section('=', 0, 0))->text(), caption.section('=', 1));
        QCOMPARE(this->totals(), totals);
    }

    // Typing counts like picking: the figures follow each key, the box takes only 0 to 20 and shows
    // the quantity as the list does once the customer moves on.
    void typedQuantities_data()
    {
        support::addRows<QString, QString, QString, QString>({ "typed", "shown", "afterTab", "totals" },
            {
                { "one digit", "1", "1", "01", "120 1 150 270" },
                { "leading zero", "07", "07", "07", "840 7 200 1040" },
                { "25 stops at 2", "25", "2", "02", "240 2 150 390" },
                { "letters refused", "x", "", "00", "0 0 0 0" },
                { "a group separator refused, never a thousand", "1,000", "10", "10", "1200 10 270 1470" },
            });
    }
    void typedQuantities()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, afterTab);
        QFETCH(QString, totals);
        support::pickFromList(box("Combo5"), QStringLiteral("09"));
        support::typeInto(box("Combo5"), typed);
        QCOMPARE(box("Combo5")->currentText(), shown);
        QCOMPARE(this->totals(), totals);
        QTest::keyClick(box("Combo5")->lineEdit(), Qt::Key_Tab);
        QCOMPARE(box("Combo5")->currentText(), afterTab);
        if (typed.contains(',')) // nor is it a number, should such text ever reach the pricing
            QVERIFY(!platform::textToDouble(typed));
    }
};

TOVIRA_TEST_MAIN(TestPricing)
#include "tst_pricing.moc"
