#include "form/caption_fit.h"

#include <QFontInfo>
#include <QLabel>
#include <QRegularExpression>

namespace form {

namespace {
    constexpr int edgeGap = 4; // pixels a caption keeps clear of the window's right edge
    constexpr qreal tightestSpacing = -0.75; // pixels between letters, at the most

    int widestLine(const QFont& font, const QStringList& lines)
    {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& line : lines)
            widest = qMax(widest, metrics.horizontalAdvance(line));
        return widest;
    }
    bool isFullWidth(QChar c)
    {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF01 && u <= 0xFF60);
    }

    // Measuring text is the costly part of building the window: every Chinese glyph of every page
    // would be loaded just to learn its width. In a Ming face every ideograph and full-width sign is
    // one em wide, so only the other characters of a caption need measuring to know that it fits.
    bool clearlyFits(const QFont& font, const QFontMetrics& metrics, const QString& text, QSize box)
    {
        static const QRegularExpression lineBreak(QStringLiteral("\r?\n"));
        const QStringList lines = text.split(lineBreak);
        if (int(lines.size()) * metrics.lineSpacing() > box.height())
            return false;
        const int em = QFontInfo(font).pixelSize();
        for (const QString& line : lines) {
            int fullWidth = 0;
            QString others;
            for (QChar c : line) {
                if (isFullWidth(c))
                    ++fullWidth;
                else
                    others += c;
            }
            if (fullWidth * em + metrics.horizontalAdvance(others) + 1 > box.width())
                return false;
        }
        return true;
    }
} // namespace

void keepCaptionWhole(QLabel* label, int windowWidth)
{
    const bool alignRight = label->alignment() & Qt::AlignRight;
    const QString text = label->text();
    const QFontMetrics metrics(label->font());
    if (clearlyFits(label->font(), metrics, text, label->size()))
        return;
    const int wrappedHeight
        = metrics.boundingRect(QRect(0, 0, label->width(), 1 << 20), Qt::TextWordWrap, text.trimmed()).height();
    if (wrappedHeight <= label->height())
        return;

    static const QRegularExpression lineBreak(QStringLiteral("\r?\n"));
    QStringList lines = text.split(lineBreak);
    while (lines.size() > 1 && lines.last().isEmpty()) // a closing line break shows nothing
        lines.removeLast();
    if (int(lines.size()) * metrics.lineSpacing() > label->height() + metrics.leading() + 1)
        return; // more designed lines than the box shows: nothing to keep

    QRect r = label->geometry();
    QFont font = label->font();
    int needed = widestLine(font, lines);
    const int windowEdge = windowWidth - edgeGap - label->parentWidget()->mapTo(label->window(), QPoint()).x();
    const int room = alignRight ? r.right() + 1 : windowEdge - r.left();
    for (qreal spacing = -0.25; needed > room && spacing >= tightestSpacing; spacing -= 0.25) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        needed = widestLine(font, lines);
    }
    if (needed > room)
        return;

    label->setFont(font);
    label->setWordWrap(false);
    if (alignRight)
        r.setLeft(r.right() + 1 - needed);
    else
        r.setWidth(qMax(r.width(), needed));
    label->setGeometry(r);
}

} // namespace form
