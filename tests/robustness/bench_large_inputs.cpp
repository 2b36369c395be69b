// How long generating the order and saving the details take when each of the details page's boxes
// holds a megabyte of text.

#include "large_text.h"
#include "robustness/temporary_store.h"
#include "support/gui_support.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

using namespace robustness;

class BenchLargeInputs : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporaryStore> store;
    std::unique_ptr<form::Form1> form;

private slots:
    void initTestCase()
    {
        store = std::make_unique<TemporaryStore>();
        form = support::startProgram();
        support::click(*form, QStringLiteral("Command2"));
        support::click(*form, QStringLiteral("Command3"));
        quint32 seed = 1;
        for (const char* name :
            { "Text2", "Text1", "Text4", "Text5", "Text9", "Text3", "Text6", "Text8", "Text7", "Text10", "Text11" })
            form->textBox(QLatin1String(name))->setText(largeText(seed++));
    }
    void cleanupTestCase()
    {
        form.reset();
        store.reset();
    }

    // The press of "匯款完成，產生訂單" until the result page is drawn with the e-mail. Once per
    // run: the way back to the details page redraws its eleven boxes, which is not the press's cost.
    void generate()
    {
        QCoreApplication::processEvents();
        QBENCHMARK_ONCE
        {
            support::click(*form, QStringLiteral("Command4"));
            QCoreApplication::processEvents();
        }
        QCOMPARE(form->visiblePage()->objectName(), QStringLiteral("Frame6"));
        QVERIFY(form->textBox(QStringLiteral("Text15"))->text().size() > largeTextSize);
    }

    // The press of "儲存我的資料" until the store file is written.
    void save()
    {
        support::click(*form, QStringLiteral("Command7"));
        QCoreApplication::processEvents();
        QBENCHMARK
        {
            support::click(*form, QStringLiteral("Command8"));
            QCoreApplication::processEvents();
        }
        QVERIFY(store->contents().size() > 11 * largeTextSize);
    }
};

QTEST_MAIN(BenchLargeInputs)
#include "bench_large_inputs.moc"
