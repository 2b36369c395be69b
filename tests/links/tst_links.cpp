// The seventeen link labels through the real window: a click opens the label's page once, with the
// browser replaced by a catcher, and leaves the window exactly as it was.

#include "form/widgets.h"
#include "support/gui_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QUrl>

using form::Form1;

namespace {

const QString site = QStringLiteral("https://tovira.example.com/");

// Every link label, the caption a customer clicks, and the post it must open.
struct Expected {
    QString name;
    QString caption;
    QString address;
};
const QList<Expected> links {
    { "Label3", "薑母鴨", site + "2008/05/ginger-duck-stew.html" },
    { "Label27", "香菇滷肉", site + "2008/05/mushroom-braised-pork.html" },
    { "Label30", "黑胡椒毛豆", site + "2008/05/black-pepper-edamame.html" },
    { "Label31", "筍絲扣肉", site + "2008/05/bamboo-shoot-pork-belly.html" },
    { "Label32", "花生豬腳湯", site + "2008/06/peanut-pork-trotter-soup.html" },
    { "Label33", "麻油血糕", site + "2008/06/sesame-oil-rice-cake.html" },
    { "Label34", "鳳梨蝦仁", site + "2008/06/pineapple-shrimp.html" },
    { "Label5", "精燉牛肉湯", site + "2008/06/slow-cooked-beef-soup.html" },
    { "Label105", "豆鼓排骨", site + "2008/07/black-bean-spare-ribs.html" },
    { "Label54", "蜜酥花生小魚", site + "2008/07/honey-peanut-anchovies.html" },
    { "Label104", "醬燒小卷", site + "2008/07/soy-braised-squid.html" },
    { "Label115", "蜜汁雞腿", site + "2008/07/honey-glazed-drumsticks.html" },
    { "Label35", "特製沾醬包", site + "2008/05/ginger-duck-stew.html" },
    { "Label73", "[必] 訂購 | 運費 | 菜色 | 注意", site + "2008/04/how-to-order.html" },
    { "Label88", "(由此查看未額滿日期)", site + "2008/08/delivery-calendar.html" },
    { "Label76", "[很重要] 如何讓自己能準時收到貨物", site + "2008/04/receiving-on-time.html" },
    { "Label77", "[Tovira料理] 心得分享 ", site + "2008/03/customer-reviews.html" },
};

} // namespace

class TestLinks : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;
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
        QTest::mouseClick(label, Qt::LeftButton);
    }

    // What the window shows: every control's visibility, enabled state and content.
    QStringList snapshot() const
    {
        QStringList shown;
        for (const QString& name : form->controlNames()) {
            QWidget* w = form->control(name);
            QString value;
            if (auto* label = qobject_cast<QLabel*>(w))
                value = label->text();
            else if (auto* edit = qobject_cast<QLineEdit*>(w))
                value = edit->text();
            else if (auto* combo = qobject_cast<QComboBox*>(w))
                value = QString::number(combo->currentIndex()) + ' ' + combo->currentText();
            else if (auto* check = qobject_cast<QCheckBox*>(w))
                value = QString::number(form::checkValue(check));
            else if (auto* option = qobject_cast<QRadioButton*>(w))
                value = QString::number(option->isChecked());
            else if (auto* body = qobject_cast<form::BodyBox*>(w))
                value = body->toPlainText();
            shown << QStringLiteral("%1 %2%3 %4").arg(name).arg(w->isVisible()).arg(w->isEnabled()).arg(value);
        }
        return shown;
    }

    // A window the customer has filled in part-way.
    void fillSomeDetails()
    {
        support::click(*form, QStringLiteral("Command2"));
        support::pickFromList(form->comboBox(QStringLiteral("Combo1")), QStringLiteral("02"));
        support::pickFromList(form->comboBox(QStringLiteral("Combo10")), QStringLiteral("03"));
        support::click(*form, QStringLiteral("Command3"));
        form->textBox(QStringLiteral("Text2"))->setText(QStringLiteral("王小明"));
        support::typeInto(form->textBox(QStringLiteral("Text8")), QStringLiteral("12"));
    }

private slots:
    void initTestCase() { support::isolateSettings(); }
    void init()
    {
        form = support::startProgram();
        opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        form.reset();
    }

    void opensItsPageOncePerClick_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        for (const Expected& link : links)
            QTest::newRow(qPrintable(link.caption)) << link.name << link.address;
    }
    void opensItsPageOncePerClick()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        const QWidget* label = form->control(name);
        const Qt::CursorShape pointer = label->cursor().shape();
        QVERIFY2(pointer == Qt::PointingHandCursor || pointer == Qt::BitmapCursor, "no hand over the link");
        clickLink(name);
        QCOMPARE(opened, QStringList { address });
        clickLink(name);
        QCOMPARE(opened, QStringList(2, address));
    }

    void sixteenPagesOneSharedByTheSaucePack()
    {
        QHash<QString, QString> labelOf; // address -> first label that opened it
        QStringList shared;
        for (const Expected& link : links) {
            clickLink(link.name);
            const QString address = opened.last();
            if (labelOf.contains(address))
                shared << labelOf[address] + " = " + link.caption;
            else
                labelOf.insert(address, link.caption);
        }
        QCOMPARE(opened.size(), 17);
        QCOMPARE(labelOf.size(), 16);
        QCOMPARE(shared, QStringList { "薑母鴨 = 特製沾醬包" });
    }

    void greyedProductStillOpens()
    {
        support::click(*form, QStringLiteral("Command2"));
        QVERIFY(!form->comboBox(QStringLiteral("Combo9"))->isEnabled());
        clickLink(QStringLiteral("Label34"));
        QCOMPARE(opened, QStringList { site + "2008/06/pineapple-shrimp.html" });
    }

    void clickChangesNothingInTheWindow()
    {
        fillSomeDetails();
        for (const Expected& link : links) {
            showLink(link.name);
            const QStringList before = snapshot();
            clickLink(link.name);
            QCOMPARE(snapshot(), before);
        }
        QCOMPARE(opened.size(), links.size());
    }

    void failingOpenShowsNothing()
    {
        fillSomeDetails();
        showLink(QStringLiteral("Label3"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        const QStringList before = snapshot();
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
        QCOMPARE(snapshot(), before);
        QVERIFY(opened.isEmpty());
    }
};

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
