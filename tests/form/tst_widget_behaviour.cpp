// The widget behaviours the handlers rely on, checked on the real controls of the window.

#include "form/widgets.h"
#include "support/gui_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using form::Form1;

class TestWidgetBehaviour : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    QComboBox* combo(const char* name) const { return form->comboBox(QString::fromLatin1(name)); }
    void goToPage(const char* page) { form->switchPage(QStringLiteral("Frame1"), QString::fromLatin1(page)); }

private slots:
    void initTestCase() { support::isolateSettings(); }
    void init() { form = support::startProgram(); }
    void cleanup() { form.reset(); }

    void quantityBoxClicksOnlyOnListChoice()
    {
        goToPage("Frame2");
        QComboBox* box = combo("Combo5");
        QSignalSpy clicks(box, &QComboBox::activated);

        support::typeInto(box, QStringLiteral("1"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QTest::keyClick(box->lineEdit(), Qt::Key_Tab); // focus leaves the box
        box->showPopup(); // opening the list chooses nothing
        box->hidePopup();
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(box->count(), 21);

        support::pickFromList(box, QStringLiteral("04"));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(box->currentText(), QStringLiteral("04"));

        support::pickWithArrows(box, QStringLiteral("06"));
        QCOMPARE(clicks.count(), 3); // two steps down, one click each
        QCOMPARE(box->currentText(), QStringLiteral("06"));
        QCOMPARE(box->count(), 21);
    }

    void disabledQuantityBoxIsInert()
    {
        goToPage("Frame2");
        QComboBox* box = combo("Combo9");
        QSignalSpy clicks(box, &QComboBox::activated);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClicks(box, "5");
        QVERIFY(!box->view()->isVisible());
        QVERIFY(!box->hasFocus());
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(box->currentText(), QStringLiteral("00"));
    }

    void checkBoxClickRunsOnlyOnChange()
    {
        auto* box = form->checkBox(QStringLiteral("Check2"));
        QSignalSpy clicks(box, &QCheckBox::stateChanged);
        form::setCheckValue(box, 0); // unchanged: no click
        QCOMPARE(clicks.count(), 0);
        form::setCheckValue(box, 1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(form::checkValue(box), 1);
        form::setCheckValue(box, 2);
        QCOMPARE(form::checkValue(box), 2);
        QCOMPARE(clicks.count(), 2);
    }

    void userClicksNeverGreyACheckBox()
    {
        goToPage("Frame3");
        auto* box = form->checkBox(QStringLiteral("Check2"));
        QList<int> seen;
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(box, Qt::LeftButton);
            seen << form::checkValue(box);
        }
        QCOMPARE(seen, (QList<int> { 1, 0, 1, 0 }));
    }

    void optionGroup()
    {
        goToPage("Frame3");
        auto option = [this](int n) { return form->optionButton(QStringLiteral("Option%1").arg(n)); };
        QVERIFY(option(4)->isChecked());
        QTest::mouseClick(option(2), Qt::LeftButton);
        QVERIFY(option(2)->isChecked());
        QVERIFY(!option(4)->isChecked());

        form::setOptionValue(option(2), false); // clears only that one
        for (int n = 1; n <= 4; ++n)
            QVERIFY(!option(n)->isChecked());

        QTest::mouseClick(option(3), Qt::LeftButton); // the group is still exclusive afterwards
        form::setOptionValue(option(1), true);
        QVERIFY(option(1)->isChecked());
        QVERIFY(!option(3)->isChecked());
    }

    void lockedBoxCopiesButRefusesEdits()
    {
        goToPage("Frame2");
        QLineEdit* box = form->textBox(QStringLiteral("Text14"));
        const QString account = box->text();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), account);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClicks(box, "9");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), account);
    }

    void bodyCopyGivesCrLfPlainText()
    {
        goToPage("Frame6");
        form::BodyBox* body = form->bodyBox();
        body->setPlainText(QStringLiteral("收件姓名：王\r\n\r\n訂購商品：\r\n"));
        body->setFocus();
        body->selectAll();
        body->copy();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QCOMPARE(copied->text(), QStringLiteral("收件姓名：王\r\n\r\n訂購商品：\r\n"));
        QVERIFY(!copied->hasHtml());
        QCOMPARE(copied->formats(), QStringList { QStringLiteral("text/plain") });
    }
};

QTEST_MAIN(TestWidgetBehaviour)
#include "tst_widget_behaviour.moc"
