#pragma once
// The order totals as the product page shows them: each is read back from captions and written as
// a caption. Sums are taken in 64-bit integers, so every order the quantity boxes allow (twenty of
// every dish comes to 56840) adds up without overflow. Each step returns nothing when a caption is
// not a number or a sum would overflow; the caller then stops before writing.

#include <QString>
#include <QStringList>
#include <optional>

namespace pricing {

// The sum of a column of captions (the subtotals, or the shipping points).
std::optional<QString> columnSum(const QStringList& captions);

// The shipping fee for the points total caption.
std::optional<QString> shippingFeeText(const QString& pointsTotal);

// The amount to transfer: goods total plus shipping fee.
std::optional<QString> amountToTransfer(const QString& goodsTotal, const QString& shippingFee);

} // namespace pricing
