// A random customer drives the real window through thousands of actions: clicks whatever button is
// in view, picks and types quantities, types anything into the details, saves, generates and now
// and then starts the program again. After every action the window must still add up, show one page
// and keep exactly one day type ticked, and the action must have done what it promises (the order
// e-mail itself is tst_order's). A failure names the seed and the last actions; TOVIRA_ACTIONS sets how
// many per seed.

#include "pricing/catalogue.h"
#include "support/gui_support.h"
#include "support/store_access.h"

#include <QCheckBox>
#include <QRandomGenerator>

class TestRandomCustomer : public QObject {
    Q_OBJECT

    std::unique_ptr<form::Form1> form;
    QRandomGenerator rng;

    qint64 figure(const char* label) const { return form->label(QString::fromUtf8(label))->text().toLongLong(); }

    template <class T> T* anyInView()
    {
        QList<T*> found = form->visiblePage()->findChildren<T*>();
        found.removeIf([](T* w) { return !w->isVisible() || !w->isEnabled() || w->objectName().isEmpty(); });
        return found.isEmpty() ? nullptr : found.at(rng.bounded(int(found.size())));
    }

    // What the window must show whatever was done, or what it shows instead. (Which fee the points
    // cost is the pricing test's.)
    QString brokenRule() const
    {
        qint64 goods = 0, points = 0;
        for (const pricing::Product& row : pricing::catalogue) {
            const qint64 units = form->comboBox(row.quantityBox)->currentText().toLongLong();
            const qint64 price = QByteArray(row.price).toLongLong();
            if (figure(row.subtotalLabel) != units * price || figure(row.pointsLabel) != units * row.pointsPerUnit)
                return QStringLiteral("the line of %1 does not add up").arg(row.quantityBox);
            goods += units * price;
            points += units * row.pointsPerUnit;
        }
        if (QList { figure("Label15"), figure("Label19"), figure("Label16") } != QList { goods, goods, points }
            || figure("Label25") != goods + figure("Label22") || figure("Label68") != figure("Label25"))
            return QStringLiteral("the totals do not add up");
        if (support::pageName(*form).startsWith('('))
            return QStringLiteral("not exactly one page in view");
        if (form->checkBox("Check1")->isChecked() == form->checkBox("Check2")->isChecked())
            return QStringLiteral("weekday and holiday both ticked or both clear");
        return {};
    }

    // Does one thing; says what, and what went wrong in it.
    QString act(QString& broken)
    {
        const int choice = int(rng.bounded(100));
        if (choice < 1) {
            form.reset();
            form = support::startProgram();
            return "restart";
        }
        if (auto* box = choice < 35 ? anyInView<QComboBox>() : nullptr) {
            const QString item = box->itemText(rng.bounded(21));
            choice < 25 ? support::pickFromList(box, item) : support::typeInto(box, item.mid(rng.bounded(2)));
            return (choice < 25 ? "pick " : "type ") + item + " in " + box->objectName();
        }
        if (auto* box = choice < 60 ? anyInView<QLineEdit>() : nullptr; box && !box->isReadOnly()) {
            QString text; // mostly a few characters, now and then a few thousand
            for (int n = rng.bounded(rng.bounded(20) ? 8 : 3000); n > 0; --n)
                text += QStringLiteral("0123456789 aZ王小明號/:-=\\;@\"").at(rng.bounded(25));
            support::typeInto(box, text);
            return "type in " + box->objectName();
        }
        // The mail button would open real messages in the tester's mail program; tst_order presses it.
        if (auto* button = anyInView<QAbstractButton>(); button && button->objectName() != "Command9") {
            const QString name = button->objectName();
            const QStringList boxes = support::messageBoxesDuring([&] { support::click(*form, name); });
            // Generating shows the order, or says the details are incomplete; nothing else says a thing.
            if (name == "Command4" ? boxes.isEmpty() != (support::pageName(*form) == "Frame6") : !boxes.isEmpty())
                broken = "click on " + name + " gave " + boxes.join(", ") + " on " + support::pageName(*form);
            return "click " + name;
        }
        return "nothing";
    }

private slots:
    void customer_data()
    {
        support::addRows<quint32>({ "seed" }, { { "seed 11", 11 }, { "seed 2024", 2024 }, { "seed 77777", 77777 } });
    }
    void customer()
    {
        QFETCH(quint32, seed);
        rng.seed(seed);
        support::clearStore();
        form = support::startProgram();
        QStringList trail;
        const int actions = qEnvironmentVariable("TOVIRA_ACTIONS", QStringLiteral("2000")).toInt();
        for (int n = 1; n <= actions; ++n) {
            QString broken;
            trail << QString::number(n) + ". " + act(broken);
            if (broken.isEmpty())
                broken = brokenRule();
            if (!broken.isEmpty() || QTest::currentTestFailed()) {
                qWarning().noquote() << trail.mid(qMax(0, int(trail.size()) - 30)).join('\n') << "\nbroken:" << broken;
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2").arg(seed).arg(n)));
            }
        }
        form.reset();
    }
};

TOVIRA_TEST_MAIN(TestRandomCustomer)
#include "tst_random_customer.moc"
