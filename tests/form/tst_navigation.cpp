// Page changes through the real buttons: exactly one page in view after every step, nothing reset.

#include "form/navigation.h"
#include "support/gui_support.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using form::Form1;

class TestNavigation : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    QString page() const
    {
        QGroupBox* shown = form->visiblePage();
        return shown ? shown->objectName() : QStringLiteral("(not exactly one)");
    }

    // Every page but one is hidden, and that one is in view with its caption.
    void expectPage(const QString& name)
    {
        QCOMPARE(page(), name);
        QVERIFY(form->frame(name)->isVisible());
    }

private slots:
    void initTestCase() { support::isolateSettings(); }
    void init() { form = support::startProgram(); }
    void cleanup() { form.reset(); }

    void startsOnWelcomePage()
    {
        expectPage(QStringLiteral("Frame1"));
        QCOMPARE(form->frame(QStringLiteral("Frame1"))->title(), QStringLiteral("歡迎使用"));
        QVERIFY(form->button(QStringLiteral("Command2"))->isVisible());
    }

    void pageButtons_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("expected");
        QTest::newRow("我已經看過了") << QStringList { "Command2" } << "Frame2";
        QTest::newRow("product page 上一步") << QStringList { "Command2", "Command6" } << "Frame1";
        QTest::newRow("下一步") << QStringList { "Command2", "Command3" } << "Frame3";
        QTest::newRow("details page 上一步") << QStringList { "Command2", "Command3", "Command5" } << "Frame2";
        QTest::newRow("there and back twice")
            << QStringList { "Command2", "Command6", "Command2", "Command3", "Command5", "Command3" } << "Frame3";
    }
    void pageButtons()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, expected);
        for (const QString& button : clicks) {
            QVERIFY2(form->button(button)->isVisible(), qPrintable(button));
            support::click(*form, button);
            QVERIFY2(form->visiblePage(), qPrintable("after " + button));
        }
        expectPage(expected);
    }

    void resultAndReminderPagesByButtons()
    {
        // The result page is normally reached by generating an order; its own buttons only switch.
        form->switchPage(QStringLiteral("Frame1"), QStringLiteral("Frame6"));
        support::click(*form, QStringLiteral("Command7"));
        expectPage(QStringLiteral("Frame3"));
        form->switchPage(QStringLiteral("Frame3"), QStringLiteral("Frame6"));
        support::click(*form, QStringLiteral("Command1"));
        expectPage(QStringLiteral("Frame4"));
        // The reminder page is final: no visible button leads anywhere.
        for (auto* button : form->frame(QStringLiteral("Frame4"))->findChildren<QPushButton*>())
            QVERIFY(!button->isVisible());
    }

    void contentsSurvivePageChanges()
    {
        support::click(*form, QStringLiteral("Command2"));
        support::pickFromList(form->comboBox(QStringLiteral("Combo5")), QStringLiteral("07"));
        support::click(*form, QStringLiteral("Command3"));
        form->textBox(QStringLiteral("Text2"))->setText(QStringLiteral("王小明"));
        support::click(*form, QStringLiteral("Command5"));
        support::click(*form, QStringLiteral("Command6"));
        support::click(*form, QStringLiteral("Command2"));
        QCOMPARE(form->comboBox(QStringLiteral("Combo5"))->currentText(), QStringLiteral("07"));
        support::click(*form, QStringLiteral("Command3"));
        QCOMPARE(form->textBox(QStringLiteral("Text2"))->text(), QStringLiteral("王小明"));
    }

    // Pressing a page button from the keyboard carries the keyboard on to the new page.
    void keyboardFollowsThePage()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto press = [this](const char* button) {
            QPushButton* b = form->button(QString::fromLatin1(button));
            b->setFocus(Qt::TabFocusReason);
            QTest::keyClick(b, Qt::Key_Space);
        };
        press("Command2");
        expectPage(QStringLiteral("Frame2"));
        QCOMPARE(form->focusWidget()->objectName(), QStringLiteral("Command6"));
        press("Command3");
        expectPage(QStringLiteral("Frame3"));
        QCOMPARE(form->focusWidget()->objectName(), QStringLiteral("Text2"));
    }

    void pressInDateBoxOnlyPlacesCaret()
    {
        support::click(*form, QStringLiteral("Command2"));
        support::click(*form, QStringLiteral("Command3"));
        for (const char* name : { "Text8", "Text7", "Text10" }) {
            QLineEdit* box = form->textBox(QString::fromLatin1(name));
            QTest::mouseClick(box, Qt::LeftButton);
            QCOMPARE(box->text(), QString());
            expectPage(QStringLiteral("Frame3"));
        }
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
