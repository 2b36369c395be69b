#include "profile/stored_text.h"

#include <QLocale>
#include <cmath>

namespace profile {

namespace {

    std::optional<double> number(const QString& text)
    {
        bool ok = false;
        const double value = QLocale::c().toDouble(text.trimmed(), &ok);
        if (!ok || !std::isfinite(value))
            return std::nullopt;
        return value;
    }

} // namespace

QString checkText(int value) { return QString::number(value); }

std::optional<int> checkFromText(const QString& text)
{
    const std::optional<double> value = number(text);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value); // the default rounding mode takes halves to even
    if (rounded < 0 || rounded > 2)
        return std::nullopt;
    return static_cast<int>(rounded);
}

QString optionText(bool selected) { return selected ? QStringLiteral("True") : QStringLiteral("False"); }

std::optional<bool> optionFromText(const QString& text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> value = number(word))
        return *value != 0;
    return std::nullopt;
}

} // namespace profile
