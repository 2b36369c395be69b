#include "form/caption_fit.h"

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
    // Measuring text is the costly part of building the window, and most captions are short: no
    // character is wider than a line is high, so a caption whose lines each fit that many
    // characters, and whose lines all fit the box's height, needs no measuring.
    bool clearlyFits(const QFontMetrics& metrics, const QString& text, QSize box)
    {
        int lines = 1;
        int longest = 0;
        int length = 0;
        for (QChar c : text) {
            if (c == QLatin1Char('\n')) {
                ++lines;
                length = 0;
            } else if (c != QLatin1Char('\r')) {
                longest = qMax(longest, ++length);
            }
        }
        return longest * metrics.height() <= box.width() && lines * metrics.lineSpacing() <= box.height();
    }
} // namespace

void keepCaptionWhole(QLabel* label, bool alignRight, int windowWidth)
{
    const QString text = label->text();
    const QFontMetrics metrics(label->font());
    if (clearlyFits(metrics, text, label->size()))
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
