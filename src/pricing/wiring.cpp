#include "pricing/wiring.h"

#include "form/form1.h"
#include "form/widgets.h"
#include "pricing/catalogue.h"
#include "pricing/line_pricing.h"
#include "pricing/quantity_typing.h"
#include "pricing/totals.h"

#include <QComboBox>
#include <QLabel>

namespace pricing {

namespace {

    // Whenever a step below cannot read a caption as a number, it stops before writing: the page
    // keeps its last figures rather than show one that is wrong.

    QString caption(const form::Form1& form, const char* label) { return form.label(QString::fromUtf8(label))->text(); }

    void setCaption(const form::Form1& form, const char* label, const QString& text)
    {
        form.label(QString::fromUtf8(label))->setText(text);
    }

    bool SumColumns(const form::Form1& form)
    {
        QStringList subtotals;
        QStringList points;
        for (const Product& row : catalogue) {
            subtotals << caption(form, row.subtotalLabel);
            points << caption(form, row.pointsLabel);
        }
        // Both sums before either is shown, so the goods total never runs ahead of the rest.
        const std::optional<QString> goods = columnSum(subtotals);
        const std::optional<QString> pointsTotal = columnSum(points);
        if (!goods || !pointsTotal)
            return false;
        setCaption(form, "Label15", *goods);
        setCaption(form, "Label16", *pointsTotal);
        return true;
    }

    void CalcPayment(const form::Form1& form)
    {
        setCaption(form, "Label19", caption(form, "Label15"));
        const std::optional<QString> fee = shippingFeeText(caption(form, "Label16"));
        if (!fee)
            return;
        setCaption(form, "Label22", *fee);
        const std::optional<QString> amount = amountToTransfer(caption(form, "Label19"), caption(form, "Label22"));
        if (!amount)
            return;
        setCaption(form, "Label25", *amount); // product page
        setCaption(form, "Label68", *amount); // details page, beside the remittance
    }

    // Combo1_Click … Combo13_Click: the same handler for every row, with that row's controls.
    void Combo_Click(const form::Form1& form, const Product& row)
    {
        const QString quantity = form.comboBox(QString::fromUtf8(row.quantityBox))->currentText();
        const std::optional<LineFigures> figures
            = priceLine(quantity, caption(form, row.priceLabel), row.pointsPerUnit);
        if (!figures)
            return;
        setCaption(form, row.subtotalLabel, figures->subtotal);
        if (figures->points)
            setCaption(form, row.pointsLabel, *figures->points);
        if (SumColumns(form))
            CalcPayment(form);
    }

} // namespace

void attach(form::Form1& form)
{
    for (const Product& row : catalogue) {
        auto* box = form.control<form::QuantityBox>(QString::fromUtf8(row.quantityBox));
        const auto handler = [&form, &row] { Combo_Click(form, row); };
        // The box's `activated` means a choice from its list: popup, arrow keys or wheel.
        QObject::connect(box, &QComboBox::activated, &form, handler);
        box->whenEditable([box, handler](QLineEdit*) { acceptTypedQuantities(box, handler); });
    }
}

} // namespace pricing
