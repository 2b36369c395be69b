#include "store_generations.h"

#include "profile_values.h"

namespace robustness {

QStringList generationProfile(int generation)
{
    QStringList values;
    for (const QString& key : profileKeys())
        values << QStringLiteral("%1 %2 ").arg(key).arg(generation);
    values[7] = QString::number(generation % 2);
    values[8] = QString::number(1 - generation % 2);
    for (int slot = 0; slot < 4; ++slot)
        values[12 + slot] = QLatin1String(generation % 4 == slot ? "True" : "False");
    // Long enough that writing the store takes a while, so a kill often lands in the middle of it.
    values[16] += QString(20'000 + generation % 5 * 7'000, QChar(0x4E00 + generation % 100));
    values[1] += QStringLiteral("台北市 %1 號\t🍲").arg(generation);
    return values;
}

std::optional<int> generationOf(const QStringList& values)
{
    const QString name = values.value(0);
    const QString prefix = profileKeys().value(0) + QLatin1Char(' ');
    if (!name.startsWith(prefix) || !name.endsWith(QLatin1Char(' ')))
        return std::nullopt;
    bool ok = false;
    const int generation = name.mid(prefix.size()).chopped(1).toInt(&ok);
    if (!ok || values != generationProfile(generation))
        return std::nullopt;
    return generation;
}

} // namespace robustness
