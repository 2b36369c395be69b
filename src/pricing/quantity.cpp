#include "pricing/quantity.h"

#include "platform/conversions.h"

#include <cmath>

namespace pricing {

namespace {
    constexpr int largestQuantity = 20;
}

std::optional<double> quantityValue(const QString& text)
{
    if (text.isEmpty())
        return 0.0;
    return platform::textToDouble(text);
}

std::optional<QString> quantityItem(const QString& text)
{
    const std::optional<double> value = quantityValue(text);
    if (!value || *value < 0 || *value > largestQuantity || *value != std::trunc(*value))
        return std::nullopt;
    return QStringLiteral("%1").arg(static_cast<int>(*value), 2, 10, QLatin1Char('0'));
}

} // namespace pricing
