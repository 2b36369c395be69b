// Each dish name and information link opens its page of the shop's blog in the browser, once per
// click, from whichever page it stands on. On Windows the address goes through the shell, which under
// Wine hands it on to the Linux desktop's opener, xdg-open: the test puts a stand-in for that first on
// the path (tests/links/xdg-open), and it notes each address instead of starting a browser.

#include "support/gui_support.h"

#include <QDesktopServices>
#include <QFile>

class TestLinks : public QObject {
    Q_OBJECT

    QStringList opened;

#ifdef Q_OS_WIN
    // What the stand-in noted.
    QStringList shellOpened() const
    {
        QFile noted(qEnvironmentVariable("TOVIRA_OPENED"));
        return noted.open(QIODevice::ReadOnly) ? QString::fromUtf8(noted.readAll()).split('\n', Qt::SkipEmptyParts)
                                               : QStringList();
    }
#endif

public slots:
    // Stands in for the browser.
    void open(const QUrl& address) { opened << address.toString(); }

private slots:
#ifndef Q_OS_WIN
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
#endif

    void links_data()
    {
        support::addRows<QString, QString>({ "label", "address" },
            {
                { "薑母鴨", "Label3", "2008/05/ginger-duck-stew.html" },
                { "香菇滷肉", "Label27", "2008/05/mushroom-braised-pork.html" },
                { "黑胡椒毛豆", "Label30", "2008/05/black-pepper-edamame.html" },
                { "筍絲扣肉", "Label31", "2008/05/bamboo-shoot-pork-belly.html" },
                { "花生豬腳湯", "Label32", "2008/06/peanut-pork-trotter-soup.html" },
                { "麻油血糕", "Label33", "2008/06/sesame-oil-rice-cake.html" },
                { "鳳梨蝦仁, not orderable", "Label34", "2008/06/pineapple-shrimp.html" },
                { "精燉牛肉湯", "Label5", "2008/06/slow-cooked-beef-soup.html" },
                { "豆鼓排骨", "Label105", "2008/07/black-bean-spare-ribs.html" },
                { "蜜酥花生小魚", "Label54", "2008/07/honey-peanut-anchovies.html" },
                { "醬燒小卷", "Label104", "2008/07/soy-braised-squid.html" },
                { "蜜汁雞腿", "Label115", "2008/07/honey-glazed-drumsticks.html" },
                { "特製沾醬包, served with the duck", "Label35", "2008/05/ginger-duck-stew.html" },
                { "ordering rules", "Label73", "2008/04/how-to-order.html" },
                { "open dates", "Label88", "2008/08/delivery-calendar.html" },
                { "on-time delivery", "Label76", "2008/04/receiving-on-time.html" },
                { "reviews", "Label77", "2008/03/customer-reviews.html" },
            });
    }
    void links()
    {
        QFETCH(QString, label);
        QFETCH(QString, address);
        auto form = support::startProgram();
        QWidget* link = form->control(label); // its page: the order box stands on the product page
        form->switchPage(QStringLiteral("Frame1"), link->parentWidget()->objectName().replace("Frame5", "Frame2"));
        const QWidget* page = form->visiblePage();
        opened.clear();
#ifdef Q_OS_WIN
        QFile::remove(qEnvironmentVariable("TOVIRA_OPENED"));
        QTest::mouseClick(link, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(shellOpened(), QStringList { "https://tovira.example.com/" + address }, 30'000);
#else
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened, QStringList { "https://tovira.example.com/" + address });
#endif
        QCOMPARE(form->visiblePage(), page); // the window stays as it was
    }
};

TOVIRA_TEST_MAIN(TestLinks)
#include "tst_links.moc"
