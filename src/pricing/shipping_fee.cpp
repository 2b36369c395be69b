#include "pricing/shipping_fee.h"

#include <QtNumeric>

namespace pricing {

namespace {
    constexpr qint64 pointsPerBlock = 20;
    constexpr qint64 feePerBlock = 270;

    qint64 remainderFee(qint64 remainder)
    {
        if (remainder == 0)
            return 0;
        if (remainder < 3)
            return 150;
        if (remainder < 9)
            return 200;
        return 270;
    }
}

std::optional<qint64> shippingFee(qint64 points)
{
    if (points < 0)
        return std::nullopt;
    qint64 blocks = 0;
    qint64 fee = 0;
    if (qMulOverflow(points / pointsPerBlock, feePerBlock, &blocks)
        || qAddOverflow(blocks, remainderFee(points % pointsPerBlock), &fee))
        return std::nullopt;
    return fee;
}

} // namespace pricing
