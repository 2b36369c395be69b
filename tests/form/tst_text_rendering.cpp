// How the window's text comes out: at 100 % the Ming captions are drawn crisp from the face's own
// bitmaps, in their full colour on the page's yellow; on scaled screens, and in a face without bitmaps,
// as antialiased outlines. Every caption is whole, with no character drawn as a missing glyph's box,
// and the order body wraps its lines at blanks only. Runs at scales 1, 1.5 and 2, and on Windows
// through the platform and font engine the program chooses; there also on a Windows without the Ming
// face, where TOVIRA_TEST_FACE names the face the window falls back to.

#include "form/layout_types.h"
#include "form/navigation.h"
#include "pricing/catalogue.h"
#include "support/gui_support.h"

#include <QGlyphRun>
#include <QPainter>
#include <QStyle>
#include <QTextBlock>
#include <algorithm>

// The share of a label's text pixels (all but the yellow) in full `ink`: black ones with every
// channel at most 64, coloured ones within 30 of their colour. Crisp strokes have no others.
static double fullInk(QWidget* label, const QColor& ink)
{
    const QImage shot = label->grab().toImage();
    int text = 0, full = 0;
    for (int i = 0; i < shot.width() * shot.height(); ++i) {
        const QColor c = shot.pixelColor(i % shot.width(), i / shot.width());
        text += c != QColor(0xFF, 0xFF, 0xC0);
        full += std::max({ qAbs(c.red() - ink.red()), qAbs(c.green() - ink.green()), qAbs(c.blue() - ink.blue()) })
            <= (ink == Qt::black ? 64 : 30);
    }
    return double(full) / qMax(text, 1);
}

// Pixels of the label's text, drawn as the label draws it but unclipped, that fall outside `inside`
// (by default its box): more than half covered, and more than half a pixel out (outlines of synthetic
// bold overshoot).
static int inkOutside(const QLabel* label, qreal ratio, QRect inside = {})
{
    const QRect box = label->rect().translated(50, 50),
                kept = (inside.isNull() ? label->rect() : inside).translated(50, 50);
    QImage image((label->size() + QSize(100, 100)) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(label->font());
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextDontClip;
    label->style()->drawItemText(&painter, box, flags, label->palette(), true, label->text());
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(QRectF(kept).adjusted(-0.49, -0.49, 0.49, 0.49), Qt::transparent);
    int outside = 0;
    for (int i = 0; i < image.width() * image.height(); ++i)
        outside += qAlpha(image.pixel(i % image.width(), i / image.width())) > 127;
    return outside;
}

// Whether `text` has a glyph for every character in `font` or its fallback faces: a character none
// has is drawn as the box of glyph 0.
static bool everyGlyphDrawn(const QFont& font, const QString& text)
{
    QTextLayout layout(text.simplified(), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return std::none_of(runs.begin(), runs.end(), [](const QGlyphRun& run) { return run.glyphIndexes().contains(0); });
}

class TestTextRendering : public QObject {
    Q_OBJECT
    std::unique_ptr<form::Form1> form = support::startProgram();
    const qreal ratio = form->devicePixelRatioF();
    const QString face = qEnvironmentVariable("TOVIRA_TEST_FACE"); // empty: the Ming face
    void showPage(const QString& page) { form->switchPage(form->visiblePage()->objectName(), page); }

private slots:
    void crispAtFullScaleAntialiasedWhenScaled()
    {
        for (const QString& page : form::pageNames) {
            showPage(page);
            for (QLabel* label : form->frame(page)->findChildren<QLabel*>()) {
                const QColor ink = label->palette().color(QPalette::WindowText); // greyed ones are faint by design
                if (!label->isVisible() || label->text().trimmed().isEmpty()
                    || (ink.saturation() < 200 && ink != Qt::black))
                    continue;
                const bool strike = face.isEmpty() && ratio == 1 && label->fontInfo().pixelSize() <= 16; // 11-16 px
                QVERIFY2(strike == (fullInk(label, ink) >= 0.95), qPrintable(label->objectName()));
            }
        }
    }

    // Nothing cut off or drawn as a box, no line wrapped where the design has none; in the Ming face at
    // 100 % every caption stands in its designed box unsqueezed, save four whose text in this face is
    // wider than their box.
    void captionsWholeInDesignedBoxes()
    {
        for (const QString& page : form::pageNames)
            showPage(page);
        for (const form::ControlSpec& row : form::layoutTable()) {
            const QFont font = form->control(row.name)->font();
            QVERIFY2(everyGlyphDrawn(font, row.caption + "0123456789"), qPrintable(row.name));
            QVERIFY2(face.isEmpty() || row.kind == form::Kind::Image || QFontInfo(font).family() == face,
                qPrintable(QFontInfo(font).family()));
            auto* label = qobject_cast<QLabel*>(form->control(row.name));
            if (!label || row.kind != form::Kind::Label)
                continue;
            QVERIFY2(inkOutside(label, ratio) == 0, qPrintable(row.name));
            const QFontMetrics m(label->font()); // only the two sentences longer than the window wrap
            const int wrapped = m.boundingRect(label->rect(), Qt::TextWordWrap, label->text().trimmed()).height();
            const bool wraps
                = label->wordWrap() && wrapped > m.boundingRect(QRect(), 0, label->text().trimmed()).height();
            QVERIFY2(wraps == (row.name == "Label80" || row.name == "Label103"), qPrintable(row.name));
            const form::Twips& t = row.geometry; // all in whole pixels
            if (face.isEmpty() && ratio == 1
                && !QStringList { "Label53", "Label73", "Label77", "Label98" }.contains(row.name))
                QCOMPARE(label->geometry(), QRect(t.left / 15, t.top / 15, t.width / 15, t.height / 15));
            QVERIFY(!face.isEmpty() || ratio != 1 || label->font().letterSpacing() == 0);
        }
        for (const pricing::Product& p : pricing::catalogue) { // two blank pixels between a dish and its price
            const auto* name = qobject_cast<QLabel*>(form->control(p.nameLabel));
            const int clear = form->control(p.priceLabel)->x() - 2 - name->x();
            QVERIFY2(inkOutside(name, ratio, QRect(0, 0, clear, name->height())) == 0, p.nameLabel);
        }
    }

    void bodyWrapsAtBlanksOnly()
    {
        showPage(QStringLiteral("Frame6"));
        const QString text = QStringLiteral("收件日期：平日   (1) 8/25   (2) 8/26   (3) 8/27   ").repeated(4);
        form->bodyBox()->setPlainText(text);
        form->grab();
        const QTextLayout* layout = form->bodyBox()->document()->firstBlock().layout();
        QVERIFY(layout->lineCount() > 2);
        for (int i = 1; i < layout->lineCount(); ++i)
            QVERIFY2(text.at(layout->lineAt(i).textStart() - 1).isSpace(), qPrintable(QString::number(i)));
    }
};

TOVIRA_TEST_MAIN(TestTextRendering)
#include "tst_text_rendering.moc"
