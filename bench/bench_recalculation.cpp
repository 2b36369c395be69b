// How long one quantity pick takes to reach the totals, through the real window.

#include "support/gui_support.h"

class BenchRecalculation : public QObject {
    Q_OBJECT

private slots:

    // One arrow key on a closed box: the pick, the line, both column sums and the payment.
    void pickToTotals()
    {
        auto form = support::startProgram();
        support::click(*form, QStringLiteral("Command2"));
        QComboBox* box = form->comboBox(QStringLiteral("Combo1"));
        support::pickFromList(box, QStringLiteral("10"));
        box->setFocus();
        bool down = true;
        QBENCHMARK
        {
            QTest::keyClick(box, down ? Qt::Key_Down : Qt::Key_Up);
            down = !down;
        }
        const int units = box->currentText().toInt();
        QCOMPARE(form->label(QStringLiteral("Label15"))->text(), QString::number(units * 400));
        QCOMPARE(form->label(QStringLiteral("Label16"))->text(), QString::number(units * 2));
    }
};

QTEST_MAIN(BenchRecalculation)
#include "bench_recalculation.moc"
