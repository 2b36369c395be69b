#include "pricing/totals.h"

#include "platform/conversions.h"
#include "pricing/shipping_fee.h"

#include <QtNumeric>

namespace pricing {

using platform::integerToText;
using platform::textToInteger;

std::optional<QString> columnSum(const QStringList& captions)
{
    qint64 sum = 0;
    for (const QString& caption : captions) {
        const std::optional<qint64> value = textToInteger(caption);
        if (!value || qAddOverflow(sum, *value, &sum))
            return std::nullopt;
    }
    return integerToText(sum);
}

std::optional<QString> shippingFeeText(const QString& pointsTotal)
{
    const std::optional<qint64> points = textToInteger(pointsTotal);
    if (!points)
        return std::nullopt;
    const std::optional<qint64> fee = shippingFee(*points);
    if (!fee)
        return std::nullopt;
    return integerToText(*fee);
}

std::optional<QString> amountToTransfer(const QString& goodsTotal, const QString& shippingFee)
{
    const std::optional<qint64> goods = textToInteger(goodsTotal);
    const std::optional<qint64> fee = textToInteger(shippingFee);
    qint64 amount = 0;
    if (!goods || !fee || qAddOverflow(*goods, *fee, &amount))
        return std::nullopt;
    return integerToText(amount);
}

} // namespace pricing
