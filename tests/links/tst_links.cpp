// The seventeen link labels through the real window: a click opens the label's page once, with the
// browser replaced by a catcher, and leaves the window exactly as it was.

#include "support/gui_support.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QUrl>

class TestLinks : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;
    QStringList opened;

public:
    // Stands in for the browser.
    Q_INVOKABLE void open(const QUrl& url) { opened << url.toString(); }

private:
    // Brings the label's page into view, as the page buttons would.
    QWidget* showLink(const QString& name)
    {
        QWidget* label = form->control(name);
        QWidget* page = label;
        while (page->parentWidget() != form.get())
            page = page->parentWidget();
        if (form->visiblePage() != page)
            form->switchPage(form->visiblePage()->objectName(), page->objectName());
        return label;
    }

    void clickLink(const QString& name)
    {
        QWidget* label = showLink(name);
        QVERIFY2(label->isVisible(), qPrintable(name));
        const Qt::CursorShape pointer = label->cursor().shape();
        QVERIFY2(pointer == Qt::PointingHandCursor || pointer == Qt::BitmapCursor, "no hand over the link");
        QTest::mouseClick(label, Qt::LeftButton);
    }

private slots:
    // A window the customer has filled in part-way.
    void init()
    {
        form = support::startProgram();
        opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        support::click(*form, QStringLiteral("Command2"));
        support::pickFromList(form->comboBox(QStringLiteral("Combo1")), QStringLiteral("02"));
        form->textBox(QStringLiteral("Text2"))->setText(QStringLiteral("王小明"));
    }
    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        form.reset();
    }

    // Every link label, by the caption a customer clicks, and the post it must open.
    void opensItsPageOncePerClick_data()
    {
        support::addRows<QString, QString>({ "label", "address" },
            {
                { "薑母鴨", "Label3", "05/ginger-duck-stew" },
                { "香菇滷肉", "Label27", "05/mushroom-braised-pork" },
                { "黑胡椒毛豆", "Label30", "05/black-pepper-edamame" },
                { "筍絲扣肉", "Label31", "05/bamboo-shoot-pork-belly" },
                { "花生豬腳湯", "Label32", "06/peanut-pork-trotter-soup" },
                { "麻油血糕", "Label33", "06/sesame-oil-rice-cake" },
                { "鳳梨蝦仁, its row greyed", "Label34", "06/pineapple-shrimp" },
                { "精燉牛肉湯", "Label5", "06/slow-cooked-beef-soup" },
                { "豆鼓排骨", "Label105", "07/black-bean-spare-ribs" },
                { "蜜酥花生小魚", "Label54", "07/honey-peanut-anchovies" },
                { "醬燒小卷", "Label104", "07/soy-braised-squid" },
                { "蜜汁雞腿", "Label115", "07/honey-glazed-drumsticks" },
                { "特製沾醬包, the same page as 薑母鴨", "Label35", "05/ginger-duck-stew" },
                { "[必] 訂購 | 運費 | 菜色 | 注意", "Label73", "04/how-to-order" },
                { "(由此查看未額滿日期)", "Label88", "08/delivery-calendar" },
                { "[很重要] 如何讓自己能準時收到貨物", "Label76", "04/receiving-on-time" },
                { "[Tovira料理] 心得分享", "Label77", "03/customer-reviews" },
            });
    }
    void opensItsPageOncePerClick()
    {
        QFETCH(QString, label);
        QFETCH(QString, address);
        address = "https://tovira.example.com/2008/" + address + ".html";
        showLink(label);
        const QStringList before = support::snapshot(*form);
        clickLink(label);
        QCOMPARE(opened, QStringList { address });
        clickLink(label);
        QCOMPARE(opened, QStringList(2, address));
        QCOMPARE(support::snapshot(*form), before);
    }

    void sixteenDistinctPages()
    {
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            const Qt::CursorShape pointer = label->cursor().shape();
            if (pointer == Qt::PointingHandCursor || pointer == Qt::BitmapCursor)
                clickLink(label->objectName());
        }
        QCOMPARE(opened.size(), 17);
        QCOMPARE(QSet<QString>(opened.begin(), opened.end()).size(), 16);
    }

    void failingOpenShowsNothing()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        showLink(QStringLiteral("Label3"));
        const QStringList before = support::snapshot(*form);
        const auto windows = QApplication::topLevelWidgets();
        // Offscreen has no browser: Qt's open fails at once with a warning on the console only.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("does not support .*openUrl"));
        QElapsedTimer clock;
        clock.start();
        clickLink(QStringLiteral("Label3"));
        QVERIFY2(clock.elapsed() < 1000, "the click held up the window");
        QTest::qWait(50);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(QApplication::topLevelWidgets(), windows);
        QCOMPARE(support::snapshot(*form), before);
        QVERIFY(opened.isEmpty());
    }
};

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
