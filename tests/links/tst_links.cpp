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

    // Each link by its label: the thirteen dishes in their order on the product page (鳳梨蝦仁, Label34,
    // cannot be ordered; the sauce, Label35, is served with the duck), then the first page's links.
    void links_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("address");
        const char* const rows[][2] = { { "Label3", "2008/05/ginger-duck-stew.html" },
            { "Label27", "2008/05/mushroom-braised-pork.html" }, { "Label30", "2008/05/black-pepper-edamame.html" },
            { "Label31", "2008/05/bamboo-shoot-pork-belly.html" },
            { "Label32", "2008/06/peanut-pork-trotter-soup.html" }, { "Label33", "2008/06/sesame-oil-rice-cake.html" },
            { "Label34", "2008/06/pineapple-shrimp.html" }, { "Label5", "2008/06/slow-cooked-beef-soup.html" },
            { "Label105", "2008/07/black-bean-spare-ribs.html" }, { "Label54", "2008/07/honey-peanut-anchovies.html" },
            { "Label104", "2008/07/soy-braised-squid.html" }, { "Label115", "2008/07/honey-glazed-drumsticks.html" },
            { "Label35", "2008/05/ginger-duck-stew.html" }, { "Label73", "2008/04/how-to-order.html" },
            { "Label88", "2008/08/delivery-calendar.html" }, { "Label76", "2008/04/receiving-on-time.html" },
            { "Label77", "2008/03/customer-reviews.html" } };
        for (const auto& [label, address] : rows)
            QTest::newRow(label) << QString(label) << QString(address);
    }
    void links()
    {
        QFETCH(QString, label);
        QFETCH(QString, address);
        auto form = support::startProgram();
        QWidget* link = form->control(label); // its page: the order box stands on the product page
        form->switchPage(QStringLiteral("Frame1"), link->parentWidget()->objectName().replace("Frame5", "Frame2"));
        const QWidget* page = form->visiblePage();
#ifdef Q_OS_WIN
        QFile::remove(qEnvironmentVariable("TOVIRA_OPENED"));
        QTest::mouseClick(link, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(shellOpened(), QStringList { "https://tovira.example.com/" + address }, 30'000);
#else
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(std::exchange(opened, {}), QStringList { "https://tovira.example.com/" + address }); // once
#endif
        QCOMPARE(form->visiblePage(), page); // the window stays as it was
    }
};

TOVIRA_TEST_MAIN(TestLinks)
#include "tst_links.moc"
