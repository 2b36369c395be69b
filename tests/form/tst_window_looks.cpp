// What the customer sees of the window as a whole: its frame, colours, face and keyboard order.

#include "form/navigation.h"
#include "support/gui_support.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

using form::Form1;

class TestWindowLooks : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    void showOnly(const QString& page)
    {
        for (const QString& p : form::pageNames)
            form->frame(p)->setVisible(p == page);
    }

    // Names of the controls Tab visits from `first`, until it comes back round.
    QStringList tabWalk(QWidget* first)
    {
        QStringList seen;
        first->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 40; ++i) {
            QWidget* now = form->focusWidget();
            if (!now)
                break;
            if (auto* combo = qobject_cast<QComboBox*>(now->parentWidget()))
                now = combo;
            if (!seen.isEmpty() && now->objectName() == seen.first())
                break;
            seen << now->objectName();
            QTest::keyClick(now, Qt::Key_Tab);
        }
        return seen;
    }

private slots:
    void initTestCase() { support::isolateSettings(); }
    void init()
    {
        form = support::startProgram();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void fixedWindowWithCloseBoxOnly()
    {
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form->minimumSize(), QSize(359, 576));
        QCOMPARE(form->maximumSize(), QSize(359, 576));
        QVERIFY(!form->windowIcon().isNull());
    }

    // Every page is light yellow inside, not the tinted grey-yellow of a default group box.
    void pagesAreLightYellow_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QPoint>("emptySpot");
        QTest::newRow("welcome") << "Frame1" << QPoint(20, 500);
        QTest::newRow("products, inside the order information box") << "Frame2" << QPoint(340, 200);
        QTest::newRow("products, below the box") << "Frame2" << QPoint(200, 560);
        QTest::newRow("details") << "Frame3" << QPoint(20, 450);
        QTest::newRow("result") << "Frame6" << QPoint(200, 500);
        QTest::newRow("reminders") << "Frame4" << QPoint(300, 500);
    }
    void pagesAreLightYellow()
    {
        QFETCH(QString, page);
        QFETCH(QPoint, emptySpot);
        showOnly(page);
        const QImage shot = form->grab().toImage();
        const QPoint pixel = emptySpot * shot.devicePixelRatio(); // the screen may be scaled
        QCOMPARE(shot.pixelColor(pixel).name(), QStringLiteral("#ffffc0"));
    }

    // No caption is cut off at the bottom or the right of its box.
    void captionsShowWhole()
    {
        for (const QString& page : form::pageNames) // every page as the customer sees it
            showOnly(page);
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

    void chineseTextInTheMingFace()
    {
        for (const char* name : { "Label53", "Label3", "Label80", "Label91" }) {
            const QString family = QFontInfo(form->label(QString::fromUtf8(name))->font()).family();
            QVERIFY2(family.contains(QLatin1String("Ming")) || family == QStringLiteral("新細明體")
                    || !form->label(QString::fromUtf8(name))->font().families().contains(QStringLiteral("新細明體")),
                qPrintable(QString::fromUtf8(name) + ": " + family));
        }
        const QFontInfo ming(form->label(QStringLiteral("Label3"))->font());
        QVERIFY2(ming.family().contains(QLatin1String("Ming")) || ming.family() == QStringLiteral("新細明體"),
            qPrintable(ming.family()));
    }

    void keyboardOrder_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("products") << "Frame2"
                                  << QStringList { "Command6", "Command3", "Combo8", "Combo7", "Combo6", "Combo5",
                                         "Combo4", "Combo2", "Combo1", "Text13", "Text14", "Combo10", "Combo11",
                                         "Combo3", "Combo12", "Combo13" };
        QTest::newRow("details") << "Frame3"
                                 << QStringList { "Text2", "Text1", "Text4", "Text5", "Text9", "Text3", "Text6",
                                        "Check1", "Check2", "Text8", "Text7", "Text10", "Option4", "Command5",
                                        "Command4", "Text11", "Command8" };
        QTest::newRow("result") << "Frame6" << QStringList { "Text12", "Text15", "Text16", "Command1", "Command7" };
    }
    void keyboardOrder()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, order);
        showOnly(page);
        QCOMPARE(tabWalk(form->control(order.first())), order);
    }
};

QTEST_MAIN(TestWindowLooks)
#include "tst_window_looks.moc"
