// Pricing as the customer sees it: quantities picked in the real boxes, figures read off the labels.

#include "pricing/catalogue.h"
#include "support/gui_support.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

using form::Form1;

namespace {

// "Combo1=20": pick item 20 in Combo1. "Label6=8000": Label6 then shows 8000.
using Pairs = QStringList;

const char* const totalLabels[] = { "Label15", "Label16", "Label19", "Label22", "Label25", "Label68" };

}

class TestPricingWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    QString caption(const QString& label) const { return form->label(label)->text(); }

    void pick(const QString& box, const QString& item, bool arrows)
    {
        QComboBox* combo = form->comboBox(box);
        arrows ? support::pickWithArrows(combo, item) : support::pickFromList(combo, item);
    }

    // The labels named in `expected` show their figures; every other line shows "0" and "0", and
    // the repeated totals agree with their originals.
    void expectFigures(const Pairs& expected)
    {
        QHash<QString, QString> want;
        for (const QString& pair : expected)
            want.insert(pair.section('=', 0, 0), pair.section('=', 1));
        for (const pricing::Product& row : pricing::catalogue)
            for (const char* label : { row.subtotalLabel, row.pointsLabel })
                want.insert(label, want.value(label, QStringLiteral("0")));
        for (auto it = want.cbegin(); it != want.cend(); ++it)
            QVERIFY2(caption(it.key()) == it.value(),
                qPrintable(it.key() + " shows " + caption(it.key()) + ", expected " + it.value()));
        QCOMPARE(caption("Label19"), caption("Label15"));
        QCOMPARE(caption("Label68"), caption("Label25"));
    }

private slots:
    void initTestCase() { support::isolateSettings(); }
    void init()
    {
        form = support::startProgram();
        support::click(*form, QStringLiteral("Command2")); // to the product page
    }
    void cleanup() { form.reset(); }

    void emptyOrderShowsZeros()
    {
        for (const char* label : totalLabels)
            QCOMPARE(caption(label), QStringLiteral("0"));
        expectFigures({});
    }

    void picks_data()
    {
        QTest::addColumn<bool>("arrows");
        QTest::addColumn<Pairs>("picks");
        QTest::addColumn<Pairs>("figures");
        const auto add = [](const char* name, const Pairs& picks, const Pairs& figures) {
            QTest::addRow("%s, from the list", name) << false << picks << figures;
            QTest::addRow("%s, with arrow keys", name) << true << picks << figures;
        };
        add("row 1 twenty", { "Combo1=20" },
            { "Label6=8000", "Label10=40", "Label15=8000", "Label16=40", "Label22=540", "Label25=8540" });
        add("row 1 one", { "Combo1=01" },
            { "Label6=400", "Label10=2", "Label15=400", "Label16=2", "Label22=150", "Label25=550" });
        add("row 2 five", { "Combo4=05" },
            { "Label28=1100", "Label29=5", "Label15=1100", "Label16=5", "Label22=200", "Label25=1300" });
        add("row 2 two", { "Combo4=02" },
            { "Label28=440", "Label29=2", "Label15=440", "Label16=2", "Label22=150", "Label25=590" });
        add("row 13 five, no points", { "Combo10=05" },
            { "Label46=500", "Label47=0", "Label15=500", "Label16=0", "Label22=0", "Label25=500" });
        add("20 points", { "Combo1=10" },
            { "Label6=4000", "Label10=20", "Label15=4000", "Label16=20", "Label22=270", "Label25=4270" });
        add("21 points", { "Combo1=10", "Combo5=01" },
            { "Label6=4000", "Label10=20", "Label36=120", "Label37=1", "Label15=4120", "Label16=21", "Label22=420",
                "Label25=4540" });
        add("41 points", { "Combo1=20", "Combo2=01" },
            { "Label6=8000", "Label10=40", "Label7=220", "Label11=1", "Label15=8220", "Label16=41", "Label22=690",
                "Label25=8910" });
        add("a row back to 00", { "Combo1=05", "Combo4=03", "Combo1=00" },
            { "Label28=660", "Label29=3", "Label15=660", "Label16=3", "Label22=200", "Label25=860" });
        add("everything back to 00", { "Combo13=04", "Combo10=02", "Combo13=00", "Combo10=00" },
            { "Label15=0", "Label16=0", "Label22=0", "Label25=0" });
    }
    void picks()
    {
        QFETCH(bool, arrows);
        QFETCH(Pairs, picks);
        QFETCH(Pairs, figures);
        for (const QString& p : picks)
            pick(p.section('=', 0, 0), p.section('=', 1), arrows);
        expectFigures(figures);
    }

    // Past the 16-bit range the figures once stopped at: every order the boxes allow adds up.
    void twentyOfEverything()
    {
        Pairs figures;
        for (const pricing::Product& row : pricing::catalogue) {
            QComboBox* box = form->comboBox(row.quantityBox);
            if (!row.orderable) {
                QVERIFY(!box->isEnabled());
                continue;
            }
            support::pickFromList(box, QStringLiteral("20"));
            figures << QStringLiteral("%1=%2").arg(row.subtotalLabel).arg(20 * QString(row.price).toInt())
                    << QStringLiteral("%1=%2").arg(row.pointsLabel).arg(20 * row.pointsPerUnit);
        }
        figures << "Label15=53600"
                << "Label16=240"
                << "Label22=3240"
                << "Label25=56840";
        expectFigures(figures);
    }

    // A caption that is not a number (no designed one is) stops the recalculation: nothing crashes
    // and no label shows a figure computed from it.
    void unreadableCaptionWritesNothing_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<Pairs>("figures");
        QTest::newRow("unit price") << "Label55"
                                    << "Combo4=05" << Pairs { "Label6=400", "Label10=2", "Label15=400", "Label25=550" };
        QTest::newRow("another row's subtotal")
            << "Label36"
            << "Combo1=02" << Pairs { "Label6=800", "Label10=4", "Label15=400", "Label25=550" };
        QTest::newRow("another row's points")
            << "Label37"
            << "Combo1=02" << Pairs { "Label6=800", "Label10=4", "Label15=400", "Label16=2", "Label25=550" };
    }
    void unreadableCaptionWritesNothing()
    {
        QFETCH(QString, label);
        QFETCH(QString, pick);
        QFETCH(Pairs, figures);
        support::pickFromList(form->comboBox("Combo1"), QStringLiteral("01"));
        form->label(label)->setText(QStringLiteral("abc"));
        support::pickFromList(form->comboBox(pick.section('=', 0, 0)), pick.section('=', 1));
        for (const QString& pair : figures)
            QCOMPARE(caption(pair.section('=', 0, 0)), pair.section('=', 1));
        QCOMPARE(caption("Label68"), QStringLiteral("550"));
    }
};

QTEST_MAIN(TestPricingWindow)
#include "tst_pricing_window.moc"
