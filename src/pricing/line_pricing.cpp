#include "pricing/line_pricing.h"

#include "platform/conversions.h"
#include "pricing/quantity.h"

namespace pricing {

std::optional<LineFigures> priceLine(const QString& quantity, const QString& unitPrice, int pointsPerUnit)
{
    const std::optional<qint64> price = platform::textToInteger(unitPrice);
    const std::optional<double> units = quantityValue(quantity);
    if (!price || !units)
        return std::nullopt;
    // Quantities are counted in double precision, so "05" is 5 and the figures drop its leading zero.
    std::optional<QString> subtotal = platform::doubleToText(*units * static_cast<double>(*price));
    if (!subtotal)
        return std::nullopt;
    if (pointsPerUnit == 0)
        return LineFigures { *subtotal, std::nullopt };
    std::optional<QString> points = platform::doubleToText(*units * pointsPerUnit);
    if (!points)
        return std::nullopt;
    return LineFigures { *subtotal, *points };
}

} // namespace pricing
