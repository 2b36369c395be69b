// The weekday and holiday boxes: whatever the customer clicks, exactly one of them is ticked.

#include "form/widgets.h"
#include "support/gui_support.h"
#include "temporary_store.h"

#include <QRandomGenerator>

using form::Form1;

class TestDayTypePair : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporaryStore> store;
    std::unique_ptr<Form1> form;

    QCheckBox* box(int n) const { return form->checkBox(QStringLiteral("Check%1").arg(n)); }

private slots:
    void init()
    {
        store = std::make_unique<TemporaryStore>();
        form = support::startProgram();
        form->switchPage(QStringLiteral("Frame1"), QStringLiteral("Frame3"));
    }
    void cleanup()
    {
        form.reset();
        store.reset();
    }

    // The clicked box changes, and the other always ends opposite it.
    void anyClicks()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        for (int i = 0; i < 200; ++i) {
            const int clicked = 1 + int(random.bounded(2));
            const int before = form::checkValue(box(clicked));
            QTest::mouseClick(box(clicked), Qt::LeftButton);
            const int after = form::checkValue(box(clicked));
            const int other = form::checkValue(box(3 - clicked));
            const QByteArray where = "seed " + QByteArray::number(seed) + ", click " + QByteArray::number(i);
            QVERIFY2(after == 1 - before, where);
            QVERIFY2(other == 1 - after, where);
        }
    }
};

QTEST_MAIN(TestDayTypePair)
#include "tst_day_type_pair.moc"
