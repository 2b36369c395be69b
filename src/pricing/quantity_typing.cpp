#include "pricing/quantity_typing.h"

#include "pricing/quantity.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace pricing {

void acceptTypedQuantities(QComboBox* box, std::function<void()> recalculate)
{
    // Every prefix of an allowed quantity is itself allowed (an empty box counts as 0), so the box
    // refuses any key that would leave 0..20: "25" stops at "2", letters never appear.
    static const QRegularExpression wholeUpToTwenty(QStringLiteral("0?[0-9]|1[0-9]|20|"));
    box->setValidator(new QRegularExpressionValidator(wholeUpToTwenty, box));

    QLineEdit* edit = box->lineEdit();
    // textEdited comes from the customer only; a pick from the list runs the box's own handler.
    QObject::connect(edit, &QLineEdit::textEdited, box, [recalculate = std::move(recalculate)] { recalculate(); });

    // Focus leaving or Enter: show the quantity as the list shows it, and make that item current so
    // the arrow keys step on from it. May arrive twice for one Enter; the second changes nothing.
    QObject::connect(edit, &QLineEdit::editingFinished, box, [box] {
        const std::optional<QString> item = quantityItem(box->currentText());
        if (!item)
            return;
        box->setCurrentIndex(box->findText(*item));
        box->setEditText(*item);
    });
}

} // namespace pricing
