#include "form/looks.h"

#include "platform/text_drawing.h"

#include <QApplication>
#include <QFontInfo>
#include <QHash>
#include <QPalette>
#include <QRawFont>
#include <QtEndian>

namespace form {

QColor inkColour(Ink ink)
{
    switch (ink) {
    case Ink::Blue:
        return { 0x00, 0x00, 0xFF };
    case Ink::Red:
        return { 0xFF, 0x00, 0x00 };
    case Ink::DarkBlue:
        return { 0x00, 0x00, 0xC0 };
    case Ink::LightGrey:
        return { 0xC0, 0xC0, 0xC0 };
    case Ink::ButtonShadow:
        return { 0xA0, 0xA0, 0xA0 };
    case Ink::Workspace:
        return { 0xAB, 0xAB, 0xAB };
    case Ink::Default:
        break;
    }
    return QApplication::palette().color(QPalette::WindowText);
}

namespace {
    // "新細明體" where it exists (Windows with its Traditional Chinese supplemental fonts), else an
    // installed Traditional Chinese Ming face (Linux; Wine finds the same through fontconfig), else
    // 微軟正黑體, the Traditional Chinese face every Windows 10 and 11 has. Each has every dish's
    // characters; a face without them is never chosen.
    const QStringList mingFamilies { QStringLiteral("新細明體"), QStringLiteral("PMingLiU"),
        QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing HK"), QStringLiteral("AR PL Mingti2L Big5"),
        QStringLiteral("微軟正黑體"), QStringLiteral("Microsoft JhengHei") };

    // The pixel sizes of the face's one-bit strikes, from its EBLC table: a 4-byte version, the
    // number of strikes, then one 48-byte record per strike ending in ppemX, ppemY, bitDepth, flags.
    QList<int> strikeSizes(const QRawFont& face)
    {
        const QByteArray table = face.fontTable("EBLC");
        const auto* data = reinterpret_cast<const uchar*>(table.constData());
        constexpr qsizetype header = 8, record = 48;
        if (table.size() < header)
            return {};
        const qsizetype count = qMin<qsizetype>(qFromBigEndian<quint32>(data + 4), (table.size() - header) / record);
        QList<int> sizes;
        for (qsizetype i = 0; i < count; ++i) {
            const uchar* strike = data + header + i * record;
            if (strike[46] == 1 && strike[44] == strike[45]) // black and white, square pixels
                sizes << strike[45];
        }
        return sizes;
    }

    bool hasStrike(const QFont& font, int pixelSize)
    {
        static QHash<QString, QList<int>> known; // per face: the table is read once
        const QRawFont face = QRawFont::fromFont(font);
        const QString key = face.familyName() + QLatin1Char('/') + face.styleName();
        auto found = known.constFind(key);
        if (found == known.constEnd())
            found = known.insert(key, strikeSizes(face));
        return found->contains(pixelSize);
    }
} // namespace

QFont mingFont(const Font& font)
{
    QFont f;
    f.setFamilies(mingFamilies);
    f.setPointSizeF(font.points);
    f.setBold(font.bold);
    f.setUnderline(font.underline);
    return f;
}

QFont windowDefaultFont() { return mingFont({ .points = 9 }); }

QFont drawnFont(QFont font, qreal devicePixelRatio)
{
    // What counts is the size in the screen's own pixels: at a ratio of 1.5 a 13 px caption is
    // 19.5 pixels, for which the face has no strike. And Qt's FreeType engine takes a glyph from a
    // strike only when it draws it unscaled and unantialiased: on a scaled screen every glyph is an
    // outline (even at 1.25 × 12 = 15 pixels, a strike's size), and unantialiased outlines are
    // jagged. So only a ratio of 1 draws from strikes. The strike's own advances, whole pixels, keep
    // its glyphs in their cells. Both settings are made explicit, so that neither is inherited from a
    // parent's font.
    const auto drawn = [&font](bool fromStrike) {
        font.setStyleStrategy(fromStrike ? QFont::NoAntialias : QFont::PreferDefault);
        font.setHintingPreference(fromStrike ? QFont::PreferFullHinting : QFont::PreferDefaultHinting);
        return font;
    };
    if (!platform::strikesDrawnWhole || !qFuzzyCompare(devicePixelRatio, 1.0))
        return drawn(false);
    static QHash<QFont, bool> decided; // a few fonts serve every control
    auto found = decided.constFind(drawn(true));
    if (found == decided.constEnd()) // asked of the font it would draw with, so its engine is not wasted
        found = decided.insert(font, hasStrike(font, QFontInfo(font).pixelSize()));
    return drawn(*found);
}

} // namespace form
