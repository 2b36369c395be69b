// The window as the customer meets it: the designed captions, places, colours and lists, the page
// buttons and the boxes that can be copied but not edited. (The keyboard order is walked by the
// keyboard-only order in tst_order.)

#include "support/gui_support.h"

class TestWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;

    QString look(const QString& name, const QString& property) const
    {
        QWidget* w = form->control(name);
        if (property == "rect")
            return QStringLiteral("%1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
        if (property == "ink")
            return w->palette().color(QPalette::WindowText).name();
        return w->property(property.toLatin1()).toString();
    }

private slots:
    void init() { form = support::startProgram(); }
    void cleanup() { form.reset(); }

    void designedLooks_data()
    {
        support::addRows<QString, QString, QString>({ "control", "property", "expected" },
            {
                { "title", "Form1", "windowTitle", "Tovira幫你算" },
                { "welcome page", "Frame1", "title", "歡迎使用" },
                { "order box", "Frame5", "title", "訂購資訊" },
                { "edition", "Label53", "text", "Tovira幫你算 97夏季版" },
                { "rules, three lines", "Label72", "text",
                    "在你還未開始之前\r\n請先確認你都看過我們的訂購規則\r\n以確保雙方交易愉快喔" },
                { "remit first ink", "Label90", "ink", "#ff0000" },
                { "dish link ink", "Label3", "ink", "#0000ff" },
                { "unavailable dish ink", "Label34", "ink", "#c0c0c0" },
                { "unavailable dish box", "Combo9", "enabled", "false" },
                { "bank code", "Text13", "text", "806" },
                { "address tip", "Text1", "toolTip", "請留中文全名" },
                { "generate place", "Command4", "rect", "192,536 145x25" },
                { "body place", "Text16", "rect", "16,144 321x297" },
                { "quantity box place", "Combo1", "rect", "152,40 49x21" },
            });
    }
    void designedLooks()
    {
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(QString, expected);
        QCOMPARE(look(control, property), expected);
    }

    void fixedWindowWithCloseBoxOnly()
    {
        QCOMPARE(form->size(), QSize(359, 576));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->windowFlags()
                & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
            Qt::WindowCloseButtonHint);
    }

    // Each press shows its page alone and keeps what the customer entered. (The result page's two
    // buttons are pressed in the order tests, after generating.)
    void pageButtons()
    {
        form->textBox("Text2")->setText(QStringLiteral("王小明"));
        for (const char* step : { "Command2>Frame2", "Command6>Frame1", "Command2>Frame2", "Command3>Frame3",
                 "Command5>Frame2", "Command3>Frame3" }) {
            support::click(*form, QString::fromLatin1(step).section('>', 0, 0));
            QCOMPARE(support::pageName(*form), QString::fromLatin1(step).section('>', 1));
        }
        QCOMPARE(form->textBox("Text2")->text(), QStringLiteral("王小明"));
    }

    void bankAccountCopiesButRefusesEdits()
    {
        form->switchPage(QStringLiteral("Frame1"), QStringLiteral("Frame2"));
        QLineEdit* box = form->textBox("Text14");
        QCOMPARE(support::copyAll(box)->text(), QStringLiteral("204518763392"));
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClicks(box, "9");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("204518763392"));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
