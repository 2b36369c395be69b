// The window as the customer meets it: the keyboard's way through each page and its first buttons, and
// the boxes that can be copied but not edited.

#include "support/gui_support.h"

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    // Tab walks each page's controls in the designed order and wraps round; Shift+Tab walks it back. The
    // time slots are one stop, at the selected one. Walked on a page shown the moment the window is, before
    // the window has prepared its other pages, and once it has prepared them all.
    void focusOrder_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<bool>("prepared");
        const QList<std::pair<const char*, QStringList>> pages { { "Frame1", { "Command2" } },
            { "Frame2",
                { "Command6", "Command3", "Combo8", "Combo7", "Combo6", "Combo5", "Combo4", "Combo2", "Combo1",
                    "Text13", "Text14", "Combo10", "Combo11", "Combo3", "Combo12", "Combo13" } },
            { "Frame3",
                { "Text2", "Text1", "Text4", "Text5", "Text9", "Text3", "Text6", "Check1", "Check2", "Text8", "Text7",
                    "Text10", "Option4", "Command5", "Command4", "Text11", "Command8" } },
            { "Frame6", { "Text12", "Text15", "Text16", "Command9", "Command1", "Command7" } }, { "Frame4", {} } };
        for (const bool prepared : { false, true })
            for (const auto& [page, order] : pages)
                QTest::addRow("%s, %s", page, prepared ? "all pages prepared" : "at once") << page << order << prepared;
    }
    void focusOrder()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, order);
        QFETCH(bool, prepared);
        const auto form = support::startProgram(prepared);
        form->switchPage(QStringLiteral("Frame1"), page);
        if (!order.isEmpty())
            form->control(order.first())->setFocus(Qt::TabFocusReason);
        const auto walk = [&form, n = order.size()](Qt::KeyboardModifier shift) {
            QStringList met;
            for (qsizetype i = 0; i < qMax(n, qsizetype(1)); ++i) {
                QWidget* focus = QApplication::focusWidget();
                QTest::keyClick(focus ? focus : form.get(), Qt::Key_Tab, shift);
                for (focus = QApplication::focusWidget(); focus && !form->hasControl(focus->objectName());)
                    focus = focus->parentWidget(); // a quantity box's own line edit
                met << (focus ? focus->objectName() : QStringLiteral("(none)"));
            }
            return met;
        };
        QStringList forwards = order.isEmpty() ? QStringList { "(none)" } : order.mid(1) << order.value(0);
        QCOMPARE(walk(Qt::NoModifier), forwards);
        std::reverse(forwards.begin(), forwards.end());
        QCOMPARE(walk(Qt::ShiftModifier), forwards.mid(1) << forwards.value(0));
        if (order.value(0).startsWith("Command")) { // the page's first button leads on, or back
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(support::pageName(*form), page == "Frame1" ? "Frame2" : "Frame1");
        }
    }

    void bankAccountCopiesButRefusesEdits()
    {
        const auto form = support::startProgram();
        form->switchPage(QStringLiteral("Frame1"), QStringLiteral("Frame2"));
        QCOMPARE(support::copyAll(form->textBox("Text13"))->text(), QStringLiteral("806"));
        QLineEdit* box = form->textBox("Text14");
        QCOMPARE(support::copyAll(box)->text(), QStringLiteral("204518763392"));
        QTest::keyClicks(box, "9\b"); // 9, then Backspace
        QCOMPARE(box->text(), QStringLiteral("204518763392"));
    }
};

TOVIRA_TEST_MAIN(TestWindow)
#include "tst_window.moc"
