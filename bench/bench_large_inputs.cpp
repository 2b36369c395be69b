// How long generating the order and saving the details take when each of the details page's boxes
// holds a megabyte of text.

#include "support/gui_support.h"

#include <QClipboard>

class BenchLargeInputs : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;

private slots:
    void initTestCase()
    {
        form = support::startProgram();
        support::click(*form, QStringLiteral("Command2"));
        support::click(*form, QStringLiteral("Command3"));
        for (QLineEdit* box : form->frame(QStringLiteral("Frame3"))->findChildren<QLineEdit*>()) {
            QApplication::clipboard()->setText(QString(1 << 20, u'長'));
            box->setFocus();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
    }

    void generate()
    {
        QBENCHMARK
        {
            support::click(*form, QStringLiteral("Command4"));
            support::click(*form, QStringLiteral("Command7"));
        }
    }

    void save()
    {
        QBENCHMARK { support::click(*form, QStringLiteral("Command8")); }
    }
};

QTEST_MAIN(BenchLargeInputs)
#include "bench_large_inputs.moc"
