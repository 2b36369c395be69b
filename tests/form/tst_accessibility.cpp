// A screen reader can name every control the keyboard reaches, and knows which labels are links.

#include "form/widgets.h"
#include "support/gui_support.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

using form::Form1;

class TestAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    // Every node below `node` in the accessibility tree.
    static void collect(QAccessibleInterface* node, QList<QAccessibleInterface*>& out)
    {
        for (int i = 0; i < node->childCount(); ++i) {
            if (QAccessibleInterface* child = node->child(i)) {
                out << child;
                collect(child, out);
            }
        }
    }

private slots:
    void initTestCase()
    {
        support::isolateSettings();
        QAccessible::setActive(true);
        form = support::startProgram();
    }
    void cleanupTestCase() { form.reset(); }

    void everyFocusableControlHasAName()
    {
        QList<QAccessibleInterface*> nodes;
        collect(QAccessible::queryAccessibleInterface(form.get()), nodes);
        int focusable = 0;
        for (QAccessibleInterface* node : nodes) {
            if (!node->state().focusable || !node->object() || !node->object()->isWidgetType())
                continue;
            const QString name = node->object()->objectName();
            if (name.isEmpty())
                continue; // a part inside a control, such as a combo box's edit field
            ++focusable;
            QVERIFY2(!node->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(name + " has no spoken name"));
        }
        // Pages hide most of them, but the tree holds all: 16 boxes, 13 quantity boxes, 8 buttons,
        // 2 check boxes and 4 options, less the disabled quantity box.
        QVERIFY2(focusable >= 40, qPrintable(QString::number(focusable)));
    }

    void namesSayWhatTheControlIs_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("name box") << "Text2"
                                  << "收件姓名";
        QTest::newRow("first date, colon dropped") << "Text8"
                                                   << "日期順位1";
        QTest::newRow("weekday") << "Check1"
                                 << "平日";
        QTest::newRow("time slot") << "Option2"
                                   << "12~17";
        QTest::newRow("quantity of the first dish") << "Combo1"
                                                    << "薑母鴨 數量";
        QTest::newRow("quantity of the sauce pack") << "Combo10"
                                                    << "特製沾醬包 數量";
        QTest::newRow("order body") << "Text16"
                                    << "內容";
        QTest::newRow("generate button") << "Command4"
                                         << "匯款完成，產生訂單";
    }
    void namesSayWhatTheControlIs()
    {
        QFETCH(QString, control);
        QFETCH(QString, spoken);
        QWidget* w = form->control(control);
        const QString name = w->accessibleName().isEmpty()
            ? QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name)
            : w->accessibleName();
        QCOMPARE(name, spoken);
    }

    // Linux screen readers name an editable combo box by the label that points at it.
    void quantityBoxesAreLabelledByTheirDish()
    {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(form->comboBox(QStringLiteral("Combo4")));
        QStringList labels;
        for (const auto& [node, relation] : box->relations(QAccessible::Label))
            labels << node->object()->objectName();
        QVERIFY2(labels.contains(QStringLiteral("Label27")), qPrintable(labels.join(' '))); // 香菇滷肉
    }

    void linkLabelsSayTheyOpenAWebPage()
    {
        int links = 0;
        for (auto* label : form->findChildren<form::LinkLabel*>()) {
            if (label->cursor().shape() != Qt::PointingHandCursor)
                continue;
            ++links;
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(label);
            QVERIFY2(
                node->text(QAccessible::Description).contains(QStringLiteral("網頁")), qPrintable(label->objectName()));
        }
        QCOMPARE(links, 17);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
