#include "platform/conversions.h"

#include <QLocale>
#include <cmath>

namespace platform {

namespace {
    // Beyond this, doubles skip whole numbers.
    constexpr double exactWholeLimit = 9007199254740992.0; // 2^53
}

std::optional<double> textToDouble(const QString& text)
{
    // The C locale reads the same on every machine; a separator-free form keeps "1,000" from
    // passing as a thousand in one locale and failing in another.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> textToInteger(const QString& text)
{
    const std::optional<double> value = textToDouble(text);
    if (!value)
        return std::nullopt;
    const double whole = std::nearbyint(*value); // default rounding mode: halves to even
    if (std::fabs(whole) > exactWholeLimit)
        return std::nullopt;
    return static_cast<qint64>(whole);
}

std::optional<QString> doubleToText(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return QString::number(value + 0.0, 'g', 15); // + 0.0 turns -0 into 0
}

QString integerToText(qint64 value) { return QString::number(value); }

} // namespace platform
