// What the customer sees of the window as a whole: its frame, colours, whole captions and keyboard order.

#include "form/navigation.h"
#include "support/gui_support.h"

class TestWindowLooks : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;

    // Names of the controls Tab visits from `first`, until it comes back round.
    QStringList tabWalk(QWidget* first)
    {
        QStringList seen;
        first->setFocus(Qt::TabFocusReason);
        for (QWidget* now = first; now && seen.size() < 40 && !seen.contains(now->objectName());) {
            seen << now->objectName();
            QTest::keyClick(now, Qt::Key_Tab);
            now = form->focusWidget();
            if (auto* combo = now ? qobject_cast<QComboBox*>(now->parentWidget()) : nullptr) // not its edit field
                now = combo;
        }
        return seen;
    }

private slots:
    void init() { form = support::startProgram(); }
    void cleanup() { form.reset(); }

    void fixedWindowWithCloseBoxOnly()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Tovira幫你算"));
        QVERIFY(!form->label("Image1")->pixmap().isNull() && form->label("Image1")->hasScaledContents());
        const Qt::WindowFlags flags = form->windowFlags();
        QCOMPARE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
            Qt::WindowCloseButtonHint);
        QCOMPARE(form->size(), QSize(359, 576));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!form->windowIcon().isNull());
    }

    // Every page is light yellow inside, not the tinted grey-yellow of a default group box.
    void pagesAreLightYellow_data()
    {
        support::addRows<QString, QPoint>({ "page", "emptySpot" },
            {
                { "welcome", "Frame1", { 20, 500 } },
                { "products, inside the order information box", "Frame2", { 340, 200 } },
                { "products, below the box", "Frame2", { 200, 560 } },
                { "details", "Frame3", { 20, 450 } },
                { "result", "Frame6", { 200, 500 } },
                { "reminders", "Frame4", { 300, 500 } },
            });
    }
    void pagesAreLightYellow()
    {
        QFETCH(QString, page);
        QFETCH(QPoint, emptySpot);
        form->switchPage(QStringLiteral("Frame1"), page);
        const QImage shot = form->grab().toImage();
        const QPoint pixel = emptySpot * shot.devicePixelRatio(); // the screen may be scaled
        QCOMPARE(shot.pixelColor(pixel).name(), QStringLiteral("#ffffc0"));
    }

    // No caption is cut off at the bottom or the right of its box.
    void captionsShowWhole()
    {
        QString shown = QStringLiteral("Frame1");
        for (const QString& page : form::pageNames) { // every page as the customer sees it
            form->switchPage(shown, page);
            shown = page;
        }
        QStringList cut;
        for (auto* label : form->findChildren<QLabel*>()) {
            const QString text = label->text().trimmed(); // a closing line break shows nothing
            if (text.isEmpty())
                continue;
            const QFontMetrics metrics(label->font());
            const QRect needed = metrics.boundingRect(
                QRect(0, 0, label->width(), 1 << 20), label->wordWrap() ? int(Qt::TextWordWrap) : 0, text);
            const QRect onWindow(label->mapTo(form.get(), QPoint()), label->size());
            if (needed.height() > label->height() + metrics.leading() + 1 || needed.width() > label->width()
                || !form->rect().contains(onWindow))
                cut << label->objectName();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char(' '))));
    }

    void keyboardOrder_data()
    {
        support::addRows<QString, QString>({ "page", "order" },
            {
                { "products", "Frame2",
                    "Command6 Command3 Combo8 Combo7 Combo6 Combo5 Combo4 Combo2 Combo1 Text13 Text14 Combo10 Combo11 "
                    "Combo3 Combo12 Combo13" },
                { "details", "Frame3",
                    "Text2 Text1 Text4 Text5 Text9 Text3 Text6 Check1 Check2 Text8 Text7 Text10 Option4 Command5 "
                    "Command4 Text11 Command8" },
                { "result", "Frame6", "Text12 Text15 Text16 Command1 Command7" },
            });
    }
    void keyboardOrder()
    {
        QFETCH(QString, page);
        QFETCH(QString, order);
        form->switchPage(QStringLiteral("Frame1"), page);
        QCOMPARE(tabWalk(form->control(order.section(' ', 0, 0))).join(' '), order);
    }
};

QTEST_MAIN(TestWindowLooks)
#include "tst_window_looks.moc"
