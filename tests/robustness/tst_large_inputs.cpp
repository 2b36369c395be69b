// A megabyte of text pasted into each of the details page's boxes: generating the order and saving
// the details work, the order e-mail carries every text whole, and a fresh start shows them again.

#include "form/widgets.h"
#include "large_text.h"
#include "profile_values.h"
#include "robustness/temporary_store.h"
#include "stand_ins.h"
#include "support/gui_support.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace robustness;

namespace {

// The details page's boxes in the order the e-mail's lines carry them.
const char* const boxes[]
    = { "Text2", "Text1", "Text4", "Text5", "Text9", "Text3", "Text6", "Text8", "Text7", "Text10", "Text11" };

void paste(QWidget* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class TestLargeInputs : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporaryStore> store;
    std::unique_ptr<form::Form1> form;
    std::unique_ptr<MessageBoxAnswerer> answerer;
    QHash<QString, QString> pasted;

    QLineEdit* box(const char* name) const { return form->textBox(QLatin1String(name)); }
    QString text(const char* name) const { return pasted.value(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        store = std::make_unique<TemporaryStore>();
        answerer = std::make_unique<MessageBoxAnswerer>([] { return Answer::OkButton; });
        form = support::startProgram();
        quint32 seed = 1;
        for (const char* name : boxes)
            pasted.insert(QLatin1String(name), largeText(seed++));
    }
    void cleanupTestCase()
    {
        form.reset();
        answerer.reset();
        store.reset();
    }

    // A megabyte pasted into a quantity box is refused as a whole; the row keeps its quantity.
    void quantityBoxRefusesIt()
    {
        support::click(*form, QStringLiteral("Command2"));
        QComboBox* quantity = form->comboBox(QStringLiteral("Combo4"));
        support::pickFromList(quantity, QStringLiteral("05"));
        paste(quantity->lineEdit(), QString(largeTextSize, QLatin1Char('1')));
        QCOMPARE(quantity->currentText(), QStringLiteral("05"));
        QCOMPARE(form->label(QStringLiteral("Label28"))->text(), QStringLiteral("1100"));
        QCOMPARE(form->label(QStringLiteral("Label25"))->text(), QStringLiteral("1300"));
    }

    void pasteIntoEveryBox()
    {
        support::click(*form, QStringLiteral("Command3"));
        for (const char* name : boxes) {
            paste(box(name), text(name));
            QVERIFY2(box(name)->text() == text(name), name);
        }
    }

    void generate()
    {
        support::click(*form, QStringLiteral("Command4"));
        QCOMPARE(answerer->takeAnswered(), QStringList());
        QCOMPARE(form->visiblePage()->objectName(), QStringLiteral("Frame6"));
        QVERIFY(box("Text15")->text() == QLatin1Char('(') + text("Text4") + QStringLiteral(") 的訂單"));

        // What the customer copies out of the body box.
        form::BodyBox* body = form->bodyBox();
        body->setFocus();
        QTest::keyClick(body, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(body, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 12 + 1 + 1); // ten details, a blank line, the heading, one dish, the end
        QVERIFY(lines[0] == QStringLiteral("收件姓名：") + text("Text2"));
        QVERIFY(lines[1] == QStringLiteral("收件地址：") + text("Text1"));
        QVERIFY(lines[2] == QStringLiteral("暱稱：") + text("Text4"));
        QVERIFY(lines[3] == QStringLiteral("聯絡電話：(1)") + text("Text5") + QStringLiteral("   (2)") + text("Text9"));
        QVERIFY(lines[4] == QStringLiteral("帳號末5碼：") + text("Text3"));
        QVERIFY(lines[5] == QStringLiteral("匯款日期+詳細時間：") + text("Text6"));
        QCOMPARE(lines[6], QStringLiteral("匯款金額：1300"));
        QVERIFY(lines[7].endsWith(QStringLiteral("   (1) ") + text("Text8") + QStringLiteral("   (2) ") + text("Text7")
            + QStringLiteral("   (3) ") + text("Text10")));
        QVERIFY(lines[9] == QStringLiteral("備註：") + text("Text11"));
        QCOMPARE(lines[12], QStringLiteral("香菇滷肉  X  05"));
    }

    void saveAndStartAgain()
    {
        support::click(*form, QStringLiteral("Command7"));
        support::click(*form, QStringLiteral("Command8"));
        QCOMPARE(answerer->takeAnswered(), QStringList());
        const QStringList saved = shownProfile(*form);
        QCOMPARE(storedProfile(), saved);
        form.reset();
        forgetStoreInMemory();
        form = support::startProgram();
        QCOMPARE(shownProfile(*form), saved);
        for (const char* name : boxes)
            QVERIFY2(box(name)->text() == text(name), name);
    }
};

QTEST_MAIN(TestLargeInputs)
#include "tst_large_inputs.moc"
