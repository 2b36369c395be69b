#include "order/order_email.h"

#include <QStringList>

namespace order {

namespace {
    const QString crlf = QStringLiteral("\r\n");

    QString dayType(int normalDay) { return normalDay == 1 ? QStringLiteral("平日") : QStringLiteral("假日"); }

    // The first selected option decides; with none selected the slot is left empty.
    QString timeSlot(const std::array<bool, 4>& selected)
    {
        static const std::array<QString, 4> texts { QStringLiteral("中午前"), QStringLiteral("12~17"),
            QStringLiteral("17~20"), QStringLiteral("不指定") };
        for (std::size_t i = 0; i < selected.size(); ++i) {
            if (selected[i])
                return texts[i];
        }
        return {};
    }
} // namespace

bool detailsComplete(const Details& d)
{
    // All nine are looked at, in the order they are listed on the page.
    bool complete = true;
    for (const QString* field :
        { &d.name, &d.address, &d.account, &d.nickName, &d.tel1, &d.remittedAt, &d.day1, &d.day2, &d.day3 })
        complete = complete && !field->isEmpty();
    return complete;
}

OrderEmail composeOrderEmail(const OrderInput& input)
{
    const Details& d = input.details;
    const QStringList detailLines {
        QStringLiteral("收件姓名：") + d.name,
        QStringLiteral("收件地址：") + d.address,
        QStringLiteral("暱稱：") + d.nickName,
        QStringLiteral("聯絡電話：(1)") + d.tel1 + QStringLiteral("   (2)") + d.tel2,
        QStringLiteral("帳號末5碼：") + d.account,
        QStringLiteral("匯款日期+詳細時間：") + d.remittedAt,
        QStringLiteral("匯款金額：") + input.amount,
        QStringLiteral("收件日期：") + dayType(d.normalDay) + QStringLiteral("   (1) ") + d.day1
            + QStringLiteral("   (2) ") + d.day2 + QStringLiteral("   (3) ") + d.day3,
        QStringLiteral("收件時段：") + timeSlot(d.timeSlot),
        QStringLiteral("備註：") + d.remark,
        QString(),
        QStringLiteral("訂購商品："),
    };

    QString body;
    for (const QString& line : detailLines)
        body += line + crlf;
    for (std::size_t row = 0; row < pricing::catalogue.size(); ++row) {
        const QString& quantity = input.quantities[row];
        if (quantity != QLatin1String("00"))
            body += QString::fromUtf8(pricing::catalogue[row].orderLine) + quantity + crlf;
    }
    return { QStringLiteral("(") + d.nickName + QStringLiteral(") 的訂單"), body };
}

} // namespace order
