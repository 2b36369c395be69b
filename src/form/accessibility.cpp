#include "form/accessibility.h"

#include "form/form1.h"
#include "form/widgets.h"
#include "pricing/catalogue.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace form {

namespace {

    struct Caption {
        const char* control;
        const char* label; // the label beside it
        const char* group = nullptr; // the label heading its group, if any
    };

    constexpr Caption captions[] = {
        // product page
        { "Text13", "Label81", "Label78" },
        { "Text14", "Label92", "Label78" },
        // details page
        { "Text2", "Label13" },
        { "Text1", "Label12" },
        { "Text4", "Label63" },
        { "Text5", "Label64" },
        { "Text9", "Label99" },
        { "Text3", "Label52" },
        { "Text6", "Label65" },
        { "Check1", "Label69", "Label67" },
        { "Check2", "Label70", "Label67" },
        { "Text8", "Label100" },
        { "Text7", "Label101" },
        { "Text10", "Label102" },
        { "Option1", "Label48", "Label14" },
        { "Option2", "Label49", "Label14" },
        { "Option3", "Label50", "Label14" },
        { "Option4", "Label51", "Label14" },
        { "Text11", "Label89" },
        // result page
        { "Text12", "Label95" },
        { "Text15", "Label96" },
        { "Text16", "Label97" },
    };

    // A caption read aloud without its closing colon.
    QString spoken(const QString& caption)
    {
        QString text = caption.trimmed();
        while (text.endsWith(QChar(u'：')) || text.endsWith(QLatin1Char(':')))
            text.chop(1);
        return text;
    }

    // A link label as screen readers see it: a link named by its caption, with the one action a
    // mouse click has. It still takes no keyboard focus, so the Tab order stays as laid out.
    class LinkAccessible : public QAccessibleWidget {
    public:
        explicit LinkAccessible(LinkLabel* label)
            : QAccessibleWidget(label, QAccessible::Link)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
                return link()->text();
            return QAccessibleWidget::text(t);
        }
        // A dish's name is also the label of its quantity box.
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
        {
            auto found = QAccessibleWidget::relations(match);
            if (match & QAccessible::Labelled && link()->buddy())
                found.append({ QAccessible::queryAccessibleInterface(link()->buddy()), QAccessible::Labelled });
            return found;
        }
        QStringList actionNames() const override { return { pressAction() }; }
        void doAction(const QString& action) override
        {
            if (action == pressAction())
                emit link()->clicked();
        }

    private:
        LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
    };

    QAccessibleInterface* linkAccessible(const QString&, QObject* object)
    {
        auto* label = qobject_cast<LinkLabel*>(object);
        return label && label->isLink() ? new LinkAccessible(label) : nullptr;
    }

} // namespace

void presentLinksToScreenReaders() { QAccessible::installFactory(linkAccessible); }

void nameControlsForScreenReaders(Form1& form)
{
    for (const Caption& c : captions) {
        QWidget* control = form.control(QString::fromLatin1(c.control));
        control->setAccessibleName(spoken(form.label(QString::fromLatin1(c.label))->text()));
        if (c.group)
            control->setAccessibleDescription(spoken(form.label(QString::fromLatin1(c.group))->text()));
    }
    const QString quantity = spoken(form.label(QStringLiteral("Label4"))->text()); // 數量
    for (const pricing::Product& product : pricing::catalogue) {
        auto* box = form.control<QuantityBox>(QString::fromLatin1(product.quantityBox));
        const QString name = QString::fromUtf8(product.name) + QLatin1Char(' ') + quantity;
        box->setAccessibleName(name);
        // On Linux Qt gives an editable combo box its text as its name, whatever name is set: a
        // screen reader finds the dish through the label that is the box's buddy, and in the name of
        // the line edit inside the box, which holds the quantity.
        form.label(QString::fromLatin1(product.nameLabel))->setBuddy(box);
        box->whenEditable([name](QLineEdit* edit) { edit->setAccessibleName(name); });
    }
}

} // namespace form
