#include "order/wiring.h"

#include "form/form1.h"
#include "form/widgets.h"
#include "order/order_email.h"
#include "platform/mail_draft.h"
#include "platform/message_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace order {

namespace {
    QString text(const form::Form1& form, const char* box) { return form.textBox(QString::fromLatin1(box))->text(); }

    OrderInput readOrder(const form::Form1& form)
    {
        OrderInput input;
        Details& d = input.details;
        d.name = text(form, "Text2");
        d.address = text(form, "Text1");
        d.nickName = text(form, "Text4");
        d.tel1 = text(form, "Text5");
        d.tel2 = text(form, "Text9");
        d.account = text(form, "Text3");
        d.remittedAt = text(form, "Text6");
        d.day1 = text(form, "Text8");
        d.day2 = text(form, "Text7");
        d.day3 = text(form, "Text10");
        d.remark = text(form, "Text11");
        d.normalDay = form::checkValue(form.checkBox(QStringLiteral("Check1")));
        for (std::size_t i = 0; i < d.timeSlot.size(); ++i)
            d.timeSlot[i] = form.optionButton(QStringLiteral("Option%1").arg(i + 1))->isChecked();
        input.amount = form.label(QStringLiteral("Label25"))->text();
        for (std::size_t row = 0; row < pricing::catalogue.size(); ++row)
            input.quantities[row]
                = form.comboBox(QString::fromLatin1(pricing::catalogue[row].quantityBox))->currentText();
        return input;
    }
} // namespace

void Command4_Click(form::Form1& form)
{
    const OrderInput input = readOrder(form);
    if (!detailsComplete(input.details)) {
        platform::showMessage(&form, QStringLiteral("收件資料不完全！！"), QStringLiteral("錯誤"));
        return;
    }
    form.switchPage(QStringLiteral("Frame3"), QStringLiteral("Frame6"));
    const OrderEmail email = composeOrderEmail(input);
    QLineEdit* subject = form.textBox(QStringLiteral("Text15"));
    subject->setText(email.subject);
    subject->setCursorPosition(0); // a long subject shows its start, as the body does
    form.bodyBox()->setPlainText(email.body);
}

void Command9_Click(form::Form1& form)
{
    platform::openMailDraft({ .to = form.textBox(QStringLiteral("Text12"))->text(),
                                .subject = form.textBox(QStringLiteral("Text15"))->text(),
                                .body = form.bodyBox()->toPlainText() },
        &form);
}

void attach(form::Form1& form)
{
    QObject::connect(
        form.button(QStringLiteral("Command4")), &QPushButton::clicked, &form, [&form] { Command4_Click(form); });
    QObject::connect(
        form.button(QStringLiteral("Command9")), &QPushButton::clicked, &form, [&form] { Command9_Click(form); });
}

} // namespace order
