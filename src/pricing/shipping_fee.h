#pragma once

#include <QtGlobal>
#include <optional>

namespace pricing {

// The shipping fee for a points total: each full block of 20 points costs 270, and what is left
// over costs 0 (none), 150 (1 or 2 points), 200 (3 to 8) or 270 (9 to 19). Nothing for a negative
// total, which no order adds up to and for which the rule names no fee.
std::optional<qint64> shippingFee(qint64 points);

} // namespace pricing
