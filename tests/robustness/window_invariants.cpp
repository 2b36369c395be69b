#include "window_invariants.h"

#include "form/form1.h"
#include "form/widgets.h"
#include "pricing/catalogue.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>

namespace robustness {

namespace {

    const char* const pages[] = { "Frame1", "Frame2", "Frame3", "Frame6", "Frame4" };
    const char* const requiredDetails[]
        = { "Text2", "Text1", "Text3", "Text4", "Text5", "Text6", "Text8", "Text7", "Text10" };

    QString caption(const form::Form1& form, const char* label) { return form.label(QString::fromUtf8(label))->text(); }

    std::optional<int> number(const QString& text)
    {
        bool ok = false;
        const int n = text.toInt(&ok);
        return ok ? std::optional<int>(n) : std::nullopt;
    }

    // The quantity a box's text stands for: empty counts as none.
    std::optional<int> quantity(const QString& text)
    {
        if (text.isEmpty())
            return 0;
        const std::optional<int> n = number(text);
        if (!n || *n < 0 || *n > 20)
            return std::nullopt;
        return n;
    }

    void expectCaption(
        QStringList& broken, const form::Form1& form, const char* label, const QString& expected, const char* why)
    {
        const QString shown = caption(form, label);
        if (shown != expected)
            broken << QStringLiteral("%1 shows \"%2\", expected \"%3\" (%4)")
                          .arg(QString::fromUtf8(label), shown, expected, QLatin1String(why));
    }

    void checkPages(QStringList& broken, const form::Form1& form)
    {
        QStringList visible;
        for (const char* page : pages)
            if (form.frame(QLatin1String(page))->isVisibleTo(&form))
                visible << QLatin1String(page);
        if (visible.size() != 1)
            broken << QStringLiteral("pages in view: [%1], expected exactly one").arg(visible.join(QLatin1Char(',')));
    }

    void checkLines(QStringList& broken, const form::Form1& form)
    {
        for (const pricing::Product& row : pricing::catalogue) {
            const QComboBox* box = form.comboBox(QString::fromUtf8(row.quantityBox));
            if (box->count() != 21)
                broken << QStringLiteral("%1 lists %2 items").arg(QLatin1String(row.quantityBox)).arg(box->count());
            if (!row.orderable) {
                if (box->isEnabled() || box->currentText() != QLatin1String("00"))
                    broken << QStringLiteral("%1 can be ordered: \"%2\"")
                                  .arg(QLatin1String(row.quantityBox), box->currentText());
                expectCaption(broken, form, row.subtotalLabel, QStringLiteral("0"), "unavailable dish");
                expectCaption(broken, form, row.pointsLabel, QStringLiteral("0"), "unavailable dish");
                continue;
            }
            const std::optional<int> units = quantity(box->currentText());
            if (!units) {
                broken << QStringLiteral("%1 holds \"%2\", not a quantity of 0 to 20")
                              .arg(QLatin1String(row.quantityBox), box->currentText());
                continue;
            }
            const int price = QByteArray(row.price).toInt();
            expectCaption(broken, form, row.subtotalLabel, QString::number(*units * price), "quantity x price");
            expectCaption(broken, form, row.pointsLabel, QString::number(*units * row.pointsPerUnit),
                "quantity x points per unit");
        }
    }

    // Sums a column of captions; a caption that is not a number is reported and spoils the sum.
    std::optional<int> columnSum(QStringList& broken, const form::Form1& form, const char* pricing::Product::*column)
    {
        int sum = 0;
        bool sound = true;
        for (const pricing::Product& row : pricing::catalogue) {
            const QString text = caption(form, row.*column);
            if (const std::optional<int> n = number(text))
                sum += *n;
            else {
                broken << QStringLiteral("%1 shows \"%2\", not a number").arg(QString::fromUtf8(row.*column), text);
                sound = false;
            }
        }
        return sound ? std::optional<int>(sum) : std::nullopt;
    }

    void checkTotals(QStringList& broken, const form::Form1& form)
    {
        const std::optional<int> goods = columnSum(broken, form, &pricing::Product::subtotalLabel);
        const std::optional<int> points = columnSum(broken, form, &pricing::Product::pointsLabel);
        if (!goods || !points)
            return;
        const int fee = expectedShippingFee(*points);
        expectCaption(broken, form, "Label15", QString::number(*goods), "sum of the subtotals");
        expectCaption(broken, form, "Label16", QString::number(*points), "sum of the points");
        expectCaption(broken, form, "Label19", caption(form, "Label15"), "goods total as Label15");
        expectCaption(broken, form, "Label22", QString::number(fee), "shipping fee for Label16");
        const std::optional<int> shownGoods = number(caption(form, "Label19"));
        const std::optional<int> shownFee = number(caption(form, "Label22"));
        if (shownGoods && shownFee)
            expectCaption(broken, form, "Label25", QString::number(*shownGoods + *shownFee), "Label19 + Label22");
        expectCaption(broken, form, "Label68", caption(form, "Label25"), "amount as Label25");
    }

    void checkChoices(QStringList& broken, const form::Form1& form)
    {
        const int weekday = form::checkValue(form.checkBox(QStringLiteral("Check1")));
        const int holiday = form::checkValue(form.checkBox(QStringLiteral("Check2")));
        if (!((weekday == 1 && holiday == 0) || (weekday == 0 && holiday == 1)))
            broken << QStringLiteral("weekday %1 and holiday %2: exactly one must be ticked").arg(weekday).arg(holiday);
        int selected = 0;
        for (int n = 1; n <= 4; ++n)
            selected += form.optionButton(QStringLiteral("Option%1").arg(n))->isChecked();
        if (selected > 1)
            broken << QStringLiteral("%1 time slots selected at once").arg(selected);
    }

} // namespace

int expectedShippingFee(int points)
{
    // 270 for every full twenty points; what is left costs by the step it falls in.
    const int rest = points % 20;
    const int restFee = rest == 0 ? 0 : rest <= 2 ? 150 : rest <= 8 ? 200 : 270;
    return points / 20 * 270 + restFee;
}

QStringList brokenInvariants(const form::Form1& form)
{
    QStringList broken;
    checkPages(broken, form);
    checkLines(broken, form);
    checkTotals(broken, form);
    checkChoices(broken, form);
    return broken;
}

bool detailsComplete(const form::Form1& form)
{
    for (const char* box : requiredDetails)
        if (form.textBox(QLatin1String(box))->text().isEmpty())
            return false;
    return true;
}

QStringList brokenOrderEmail(const form::Form1& form)
{
    QStringList broken;
    const QString nickName = form.textBox(QStringLiteral("Text4"))->text();
    if (form.textBox(QStringLiteral("Text15"))->text() != QLatin1Char('(') + nickName + QStringLiteral(") 的訂單"))
        broken << QStringLiteral("the subject does not carry the nickname");

    // The body box shows line ends as "\n"; the product block is the body's tail, after every detail
    // the customer typed, so it is read from the end.
    QStringList lines = form.bodyBox()->toPlainText().split(QLatin1Char('\n'));
    if (lines.isEmpty() || !lines.last().isEmpty())
        broken << QStringLiteral("the body does not end with a line end");
    lines.removeLast();

    QStringList expected;
    for (const pricing::Product& row : pricing::catalogue) {
        const QString text = form.comboBox(QString::fromUtf8(row.quantityBox))->currentText();
        if (text != QLatin1String("00"))
            expected << QString::fromUtf8(row.orderLine) + text;
    }
    const QStringList listed = lines.mid(lines.size() - expected.size());
    if (listed != expected)
        broken << QStringLiteral("the body lists [%1], expected [%2]")
                      .arg(listed.join(QLatin1Char('|')), expected.join(QLatin1Char('|')));
    if (lines.value(lines.size() - expected.size() - 1) != QStringLiteral("訂購商品："))
        broken << QStringLiteral("the product block does not start with its heading");

    const QString amountLine = QStringLiteral("匯款金額：");
    const auto amount
        = std::find_if(lines.cbegin(), lines.cend(), [&](const QString& line) { return line.startsWith(amountLine); });
    const QString quoted = amount == lines.cend() ? QStringLiteral("<none>") : amount->mid(amountLine.size());
    if (quoted != caption(form, "Label25"))
        broken << QStringLiteral("the body quotes the amount \"%1\", Label25 shows \"%2\"")
                      .arg(quoted, caption(form, "Label25"));
    return broken;
}

} // namespace robustness
