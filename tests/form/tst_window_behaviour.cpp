// The window's behaviour through the real controls: page changes by the page buttons (exactly one
// page in view after every step, nothing else changed, nothing reset), and the widget behaviours the
// handlers rely on.

#include "support/gui_support.h"

#include <QAbstractItemView>
#include <QSignalSpy>

class TestWindowBehaviour : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;

    void goToPage(const char* page) { form->switchPage(QStringLiteral("Frame1"), QString::fromLatin1(page)); }

private slots:
    void init() { form = support::startProgram(); }
    void cleanup() { form.reset(); }

    // Each press hides the page shown and shows the next; nothing else on the window changes, so
    // whatever the customer entered survives. The result page is normally reached by generating an
    // order, so its rows start there.
    void pageButtons_data()
    {
        support::addRows<QString, QStringList, QString>({ "start", "clicks", "expected" },
            {
                { "我已經看過了", "Frame1", { "Command2" }, "Frame2" },
                { "product page 上一步", "Frame1", { "Command2", "Command6" }, "Frame1" },
                { "下一步", "Frame1", { "Command2", "Command3" }, "Frame3" },
                { "details page 上一步", "Frame1", { "Command2", "Command3", "Command5" }, "Frame2" },
                { "there and back twice", "Frame1",
                    { "Command2", "Command6", "Command2", "Command3", "Command5", "Command3" }, "Frame3" },
                { "result page 上一步", "Frame6", { "Command7" }, "Frame3" },
                { "完成, to the final reminder page", "Frame6", { "Command1" }, "Frame4" },
            });
    }
    void pageButtons()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, clicks);
        QFETCH(QString, expected);
        QCOMPARE(support::pageName(*form), QStringLiteral("Frame1")); // alone at start-up
        form->comboBox(QStringLiteral("Combo5"))->setCurrentIndex(7); // contents the pages must keep
        form->textBox(QStringLiteral("Text2"))->setText(QStringLiteral("王小明"));
        form->switchPage(QStringLiteral("Frame1"), start);
        for (const QString& button : clicks) {
            const QString from = support::pageName(*form);
            const QStringList before = support::snapshot(*form);
            QVERIFY2(form->button(button)->isVisible(), qPrintable(button));
            support::click(*form, button);
            const QString to = support::pageName(*form);
            QStringList changed;
            for (const QString& line : support::snapshot(*form))
                if (!before.contains(line))
                    changed << line.section(' ', 0, 0);
            QCOMPARE(changed, (from < to ? QStringList { from, to } : QStringList { to, from }));
        }
        QCOMPARE(support::pageName(*form), expected);
        // The reminder page is final: no visible button leads anywhere.
        if (expected == QLatin1String("Frame4"))
            for (auto* button : form->frame(QStringLiteral("Frame4"))->findChildren<QPushButton*>())
                QVERIFY(!button->isVisible());
    }

    // Pressing a page button from the keyboard carries the keyboard on to the new page.
    void keyboardFollowsThePage()
    {
        const char* const presses[][2] = { { "Command2", "Command6" }, { "Command3", "Text2" } }; // then focus
        for (const auto& [button, next] : presses) {
            form->button(QString::fromLatin1(button))->setFocus(Qt::TabFocusReason);
            QTest::keyClick(form->focusWidget(), Qt::Key_Space);
            QCOMPARE(form->focusWidget()->objectName(), QString::fromLatin1(next));
        }
        QCOMPARE(support::pageName(*form), QStringLiteral("Frame3"));
    }

    void pressInDateBoxOnlyPlacesCaret()
    {
        goToPage("Frame3");
        const QStringList before = support::snapshot(*form);
        for (const char* name : { "Text8", "Text7", "Text10" })
            QTest::mouseClick(form->textBox(QString::fromLatin1(name)), Qt::LeftButton);
        QCOMPARE(support::snapshot(*form), before);
    }

    void quantityBoxClicksOnlyOnListChoice()
    {
        goToPage("Frame2");
        QComboBox* box = form->comboBox(QStringLiteral("Combo5"));
        QSignalSpy clicks(box, &QComboBox::activated);
        support::typeInto(box, QStringLiteral("1"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QTest::keyClick(box->lineEdit(), Qt::Key_Tab); // focus leaves the box
        box->showPopup(); // opening the list chooses nothing
        box->hidePopup();
        QCOMPARE(clicks.count(), 0);
        support::pickFromList(box, QStringLiteral("04"));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(box->currentText(), QStringLiteral("04"));
        support::pickWithArrows(box, QStringLiteral("06"));
        QCOMPARE(clicks.count(), 3); // two steps down, one click each
        QCOMPARE(box->currentText(), QStringLiteral("06"));
        QCOMPARE(box->count(), 21);
        // A disabled box cannot be opened, typed into or focused.
        QComboBox* disabled = form->comboBox(QStringLiteral("Combo9"));
        QTest::mouseClick(disabled, Qt::LeftButton);
        QTest::keyClick(disabled, Qt::Key_Down);
        QTest::keyClicks(disabled, "5");
        QVERIFY(!disabled->view()->isVisible() && !disabled->hasFocus());
        QCOMPARE(disabled->currentText(), QStringLiteral("00"));
        QCOMPARE(disabled->currentIndex(), -1);
    }

    // Set from code, a check box runs its click handler only when its value changes. (The customer's
    // clicks are tested with the weekday/holiday pair in tst_profile.)
    void checkBoxes()
    {
        auto* box = form->checkBox(QStringLiteral("Check2"));
        QSignalSpy clicks(box, &QCheckBox::stateChanged);
        QList<int> seen;
        for (int value : { 0, 1, 2 }) {
            form::setCheckValue(box, value);
            seen << form::checkValue(box) << int(clicks.count());
        }
        QCOMPARE(seen, (QList<int> { 0, 0, 1, 1, 2, 2 }));
    }

    void optionGroup()
    {
        goToPage("Frame3");
        auto option = [this](int n) { return form->optionButton(QStringLiteral("Option%1").arg(n)); };
        QCOMPARE(support::options(*form), QStringLiteral("0001"));
        QTest::mouseClick(option(2), Qt::LeftButton);
        QCOMPARE(support::options(*form), QStringLiteral("0100"));
        form::setOptionValue(option(2), false); // clears only that one
        QCOMPARE(support::options(*form), QStringLiteral("0000"));
        QTest::mouseClick(option(3), Qt::LeftButton); // the group is still exclusive afterwards
        form::setOptionValue(option(1), true);
        QCOMPARE(support::options(*form), QStringLiteral("1000"));
    }

    void lockedBoxCopiesButRefusesEdits()
    {
        goToPage("Frame2");
        QLineEdit* box = form->textBox(QStringLiteral("Text14"));
        const QString account = box->text();
        QCOMPARE(support::copyAll(box)->text(), account);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClicks(box, "9");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), account);
    }
};

QTEST_MAIN(TestWindowBehaviour)
#include "tst_window_behaviour.moc"
