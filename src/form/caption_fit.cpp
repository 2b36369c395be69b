#include "form/caption_fit.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QtMath>
#include <algorithm>

namespace form {

namespace {
    constexpr int edgeGap = 4; // pixels a caption keeps clear of the window's right edge
    constexpr qreal tightestSpacing = -0.75; // pixels between letters, at the most
    constexpr int overhang = 2; // pixels a line's last letter may reach past its advance, at the most

    bool isFullWidth(QChar c)
    {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF01 && u <= 0xFF60);
    }

    // Measuring text means shaping it, the costly part of showing a page. In a Ming face every
    // ideograph and full-width sign has the same advance, so only the other characters of a line
    // need measuring to know how wide it is.
    qreal lineAdvance(const QFontMetricsF& metrics, const QString& line)
    {
        int fullWidth = 0;
        QString others;
        for (QChar c : line) {
            if (isFullWidth(c))
                ++fullWidth;
            else
                others += c;
        }
        if (fullWidth == 0)
            return metrics.horizontalAdvance(others);
        return fullWidth * metrics.horizontalAdvance(QChar(0x4E00)) + metrics.horizontalAdvance(others);
    }

    // How far the ink of the caption reaches from the side it is aligned to, drawn unwrapped as the
    // label draws it, underline included. Qt's glyph metrics cannot tell: a strike's Latin glyphs
    // report a box one blank column wider than their advance.
    int inkWidth(const QLabel* label, const QFont& font, const QString& text, const QSize& box)
    {
        const qreal ratio = label->devicePixelRatioF();
        const int margin = box.width(); // room for ink outside the box: the caption is less than twice as wide
        QImage image(QSize(box.width() + 2 * margin, box.height()) * ratio, QImage::Format_Alpha8);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(font);
        const QRect shown(QPoint(margin, 0), box);
        label->style()->drawItemText(
            &painter, shown, int(label->alignment()) | Qt::TextDontClip, label->palette(), true, text);
        painter.end();
        int first = image.width(), last = -1;
        for (int y = 0; y < image.height(); ++y) {
            const uchar* row = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x) {
                if (row[x]) {
                    first = qMin(first, x);
                    last = qMax(last, x);
                }
            }
        }
        if (last < 0)
            return 0;
        return label->alignment() & Qt::AlignRight ? shown.right() + 1 - qFloor(first / ratio)
                                                   : qCeil((last + 1) / ratio) - shown.left();
    }

    // How far down the label's ink reaches in `font`, drawn as the label draws it but unclipped.
    int inkDepth(const QLabel* label, const QFont& font)
    {
        const QFontMetrics metrics(font);
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect lines = metrics.boundingRect(QRect(0, 0, label->width(), 1 << 20), flags, label->text());
        const qreal ratio = label->devicePixelRatioF();
        QImage image(QSize(label->width(), lines.height() + metrics.height()) * ratio, QImage::Format_Alpha8);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(font);
        label->style()->drawItemText(
            &painter, QRect(QPoint(), label->size()), flags | Qt::TextDontClip, label->palette(), true, label->text());
        painter.end();
        int last = image.height() - 1;
        const auto blank = [&image](int y) {
            return std::none_of(
                image.constScanLine(y), image.constScanLine(y) + image.width(), [](uchar a) { return a; });
        };
        while (last >= 0 && blank(last))
            --last;
        return qCeil((last + 1) / ratio);
    }

    // A face with taller lines than the Ming face's (JhengHei's) would lose the foot of a caption, a
    // link's underline first: its box grows down to hold its ink. The captions below it move down by
    // as much, keeping their designed distance from it, where the page has room below them; where a
    // control that is not a caption is among them or stands across their top, which they would leave
    // behind, nothing moves and the caption grows as far as the controls below it leave room. The
    // Ming face's ink stays in the designed boxes.
    void growDown(QLabel* label, const std::vector<QLabel*>& captions)
    {
        const QRect box = label->geometry();
        const int needed = inkDepth(label, label->font());
        if (needed <= box.height())
            return;
        const QWidget* page = label->parentWidget();
        const int foot = page->height() - page->contentsMargins().bottom();
        const QList<QWidget*> controls = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        int room = foot - box.top();
        for (const QWidget* other : controls) {
            const QRect r = other->geometry();
            if (other != label && r.top() > box.top() && r.left() <= box.right() && r.right() >= box.left())
                room = qMin(room, r.top() - box.top());
        }
        const int below = box.top() + room, growth = needed - box.height();
        std::vector<QWidget*> band;
        bool movable = below < foot; // stopped by a control, not by the page's foot
        for (QWidget* other : controls) {
            const QRect r = other->geometry();
            if (other == label || r.bottom() < below)
                continue;
            movable = movable && r.top() >= below && r.bottom() + growth < foot
                && std::find(captions.begin(), captions.end(), other) != captions.end();
            band.push_back(other);
        }
        if (movable) {
            for (QWidget* other : band)
                other->move(other->x(), other->y() + growth);
            room += growth;
        }
        if (room > box.height())
            label->resize(box.width(), qMin(needed, room));
    }
} // namespace

static void fitSideways(QLabel* label, const QRect& designed, int windowWidth)
{
    // From the caption as designed: set in its box, wrapping, at the face's own spacing.
    QFont font = label->font();
    if (font.letterSpacing() != 0) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        label->setFont(font);
    }
    label->setGeometry(designed);
    if (!label->wordWrap())
        label->setWordWrap(true);

    QStringList lines = label->text().split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    while (lines.size() > 1 && lines.last().isEmpty()) // a closing line break shows nothing
        lines.removeLast();
    const QFontMetrics metrics(font);
    // One line is kept even in a box lower than it (a face with taller lines than the Ming face's).
    if (lines.size() > 1 && int(lines.size()) * metrics.lineSpacing() > designed.height() + metrics.leading() + 1)
        return; // more designed lines than the box shows: nothing to keep
    const QFontMetricsF exact(font);
    qreal estimate = 0;
    for (const QString& line : lines)
        estimate = qMax(estimate, lineAdvance(exact, line));
    if (estimate + overhang <= designed.width())
        return; // plainly fits
    const bool alignRight = label->alignment() & Qt::AlignRight;
    const int windowEdge = windowWidth - edgeGap - label->parentWidget()->mapTo(label->window(), QPoint()).x();
    const int room = alignRight ? designed.right() + 1 : windowEdge - designed.left();
    qsizetype longest = 0;
    for (const QString& line : lines)
        longest = qMax(longest, line.size());
    if (estimate + tightestSpacing * longest > room + overhang)
        return; // far longer than its lines can hold: it wraps, as designed
    // As the label wraps it: its last letter may overhang its advance.
    const QString shown = lines.join(QLatin1Char('\n'));
    const auto height = [&](int width, int flags) {
        return metrics.boundingRect(QRect(0, 0, width, 1 << 20), flags, shown).height();
    };
    if (height(designed.width(), Qt::TextWordWrap) <= height(1 << 20, 0))
        return; // fits as it is

    int needed = inkWidth(label, font, shown, designed.size());
    for (qreal spacing = -0.25; needed > room && spacing >= tightestSpacing; spacing -= 0.25) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        needed = inkWidth(label, font, shown, designed.size());
    }
    if (needed > room)
        return; // longer than its lines can hold: it wraps, as designed

    label->setFont(font);
    label->setWordWrap(false);
    if (needed <= designed.width())
        return;
    QRect r = designed;
    if (alignRight)
        r.setLeft(r.right() + 1 - needed);
    else
        r.setWidth(needed);
    label->setGeometry(r);
}

void keepCaptionsWhole(const std::vector<std::pair<QLabel*, QRect>>& captions, int windowWidth)
{
    std::vector<QLabel*> labels;
    for (const auto& [label, designed] : captions) {
        fitSideways(label, designed, windowWidth);
        labels.push_back(label);
    }
    std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); }); // top down
    for (QLabel* label : labels)
        growDown(label, labels);
}

} // namespace form
