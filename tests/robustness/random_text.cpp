#include "random_text.h"

namespace robustness {

namespace {

    void appendCodePoint(QString& text, char32_t c)
    {
        if (QChar::requiresSurrogates(c)) {
            text += QChar(QChar::highSurrogate(c));
            text += QChar(QChar::lowSurrogate(c));
        } else
            text += QChar(char16_t(c));
    }

    char32_t cjk(QRandomGenerator& rng) { return 0x4E00 + rng.bounded(0x5200); }
    char32_t emoji(QRandomGenerator& rng) { return 0x1F300 + rng.bounded(0x300); }

    // Tab, line ends, escape, delete, zero-width blank and joiner, byte order mark, line and
    // paragraph separators, no-break space, a right-to-left mark.
    constexpr char16_t unusual[]
        = { 0x09, 0x0A, 0x0D, 0x01, 0x1B, 0x7F, 0x200B, 0x200D, 0xFEFF, 0x2028, 0x2029, 0x00A0, 0x200F };

    QString mixed(QRandomGenerator& rng, int length)
    {
        QString text;
        for (int i = 0; i < length; ++i) {
            switch (rng.bounded(5)) {
            case 0:
                appendCodePoint(text, U'0' + rng.bounded(10));
                break;
            case 1:
                appendCodePoint(text, 0x20 + rng.bounded(0x5F));
                break;
            case 2:
                appendCodePoint(text, cjk(rng));
                break;
            case 3:
                appendCodePoint(text, emoji(rng));
                break;
            default:
                appendCodePoint(text, unusual[rng.bounded(int(std::size(unusual)))]);
                break;
            }
        }
        return text;
    }

} // namespace

QString randomText(QRandomGenerator& rng)
{
    QString text;
    switch (rng.bounded(10)) {
    case 0: // digits
        for (int i = 0, n = 1 + rng.bounded(4); i < n; ++i)
            appendCodePoint(text, U'0' + rng.bounded(10));
        break;
    case 1: // letters and signs
        for (int i = 0, n = 1 + rng.bounded(12); i < n; ++i)
            appendCodePoint(text, 0x20 + rng.bounded(0x5F));
        break;
    case 2: // Chinese
        for (int i = 0, n = 1 + rng.bounded(8); i < n; ++i)
            appendCodePoint(text, cjk(rng));
        break;
    case 3: // emoji, some with a skin tone or joined to the next
        for (int i = 0, n = 1 + rng.bounded(4); i < n; ++i) {
            appendCodePoint(text, emoji(rng));
            if (rng.bounded(3) == 0)
                appendCodePoint(text, rng.bounded(2) ? char32_t(0x1F3FD) : char32_t(0x200D));
        }
        break;
    case 4:
        text = mixed(rng, 1 + rng.bounded(12));
        break;
    case 5: { // a long run of one character, or of a short mixed piece
        const QString piece = rng.bounded(2) ? mixed(rng, 1) : mixed(rng, 1 + rng.bounded(5));
        while (text.size() < 10'000)
            text += piece;
        text.truncate(10'000);
        if (text.back().isHighSurrogate())
            text.chop(1);
        break;
    }
    case 6: // nothing: the box is cleared
        break;
    case 7: // blanks only
        text = QString(1 + rng.bounded(3), QLatin1Char(' '));
        break;
    default: // a quantity, in range or not
        text = QString::number(rng.bounded(26));
        if (rng.bounded(2))
            text.prepend(QLatin1Char('0'));
        break;
    }
    return text;
}

QString describe(const QString& text)
{
    constexpr qsizetype shown = 16;
    QString out;
    for (qsizetype i = 0; i < qMin(text.size(), shown); ++i) {
        const QChar c = text.at(i);
        const bool invisible = c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph || c.category() == QChar::Other_Format || c.unicode() == 0xA0;
        out += invisible ? QStringLiteral("\\u{%1}").arg(c.unicode(), 0, 16) : QString(c);
    }
    if (text.size() > shown)
        out += QStringLiteral("…(%1 chars)").arg(text.size());
    return QLatin1Char('"') + out + QLatin1Char('"');
}

} // namespace robustness
