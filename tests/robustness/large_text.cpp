#include "large_text.h"

#include <QRandomGenerator>

namespace robustness {

QString largeText(quint32 seed)
{
    QRandomGenerator rng(seed);
    QString text;
    text.reserve(largeTextSize);
    while (text.size() < largeTextSize - 1) {
        // Mostly letters, digits, signs and blanks, with a stretch of Chinese, emoji and tabs now
        // and then: every kind of character is there, and laying out the text stays affordable.
        const bool unusual = text.size() % 65'536 < 64;
        switch (unusual ? rng.bounded(3) : 2 + rng.bounded(4)) {
        case 0:
            text += QChar(char16_t(0x4E00 + rng.bounded(0x5200)));
            break;
        case 1: {
            const char32_t emoji = 0x1F300 + rng.bounded(0x300);
            text += QChar(QChar::highSurrogate(emoji));
            text += QChar(QChar::lowSurrogate(emoji));
            break;
        }
        case 2:
            text += QLatin1Char(unusual ? '\t' : ' ');
            break;
        default:
            text += QChar(char16_t(0x21 + rng.bounded(0x5E)));
            break;
        }
    }
    if (text.size() < largeTextSize)
        text += QLatin1Char('.');
    return text;
}

} // namespace robustness
