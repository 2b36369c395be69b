#include "form/looks.h"

#include "platform/text_drawing.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QPalette>
#include <QRawFont>
#include <QScreen>
#include <QtEndian>
#include <cmath>

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
    const QStringList designedFamilies { QStringLiteral("新細明體"), QStringLiteral("PMingLiU"),
        QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing HK"), QStringLiteral("AR PL Mingti2L Big5"),
        QStringLiteral("微軟正黑體"), QStringLiteral("Microsoft JhengHei") };

    // The first of them that is installed, alone: the face Qt would choose from the whole list. Given
    // several families, Qt asks the system for its fallback faces of each family it tries as every font
    // is first loaded, which is costly at start-up; a glyph the face lacks is still found among the
    // fallback faces, asked for when it is first needed. With none installed, the whole list, so
    // that Qt's own matching decides.
    const QStringList& mingFamilies()
    {
        static const QStringList families = [] {
            const QStringList installed = QFontDatabase::families();
            for (const QString& family : designedFamilies) {
                if (installed.contains(family, Qt::CaseInsensitive))
                    return QStringList { family };
            }
            return designedFamilies;
        }();
        return families;
    }

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

    // A face is chosen by a font's families and style; its size only scales it. So the strikes a
    // face carries are read once, and every size of it is decided without loading a font of that size,
    // which costs about as much as drawing a page's text. They are read from the face at the
    // window's text size, which the first page draws with anyway, and once per face file: the bold
    // of a face without a bold of its own is the same face emboldened.
    const QList<int>& faceStrikes(const QFont& font)
    {
        static QHash<QString, QList<int>> byRequest, byFile;
        const QString request = font.families().join(u',') + u'/' + font.styleName() + u'/'
            + QString::number(font.weight()) + u'/' + QString::number(int(font.style())) + u'/'
            + QString::number(font.stretch());
        auto found = byRequest.constFind(request);
        if (found == byRequest.constEnd()) {
            QFont atTextSize = font;
            atTextSize.setPointSizeF(Font {}.points);
            const QRawFont face = QRawFont::fromFont(atTextSize);
            const QString file = face.familyName() + u'/' + face.styleName();
            auto read = byFile.constFind(file);
            if (read == byFile.constEnd())
                read = byFile.insert(file, strikeSizes(face));
            found = byRequest.insert(request, *read);
        }
        return *found;
    }

    // The whole pixels Qt gives a font of `font`'s size: its points at the screen's logical dots per
    // inch, rounded to hundredths and then to a whole pixel.
    int pixelSize(const QFont& font)
    {
        if (font.pixelSize() > 0)
            return font.pixelSize();
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
        return qRound(std::floor(font.pointSizeF() * dpi / 72 * 100 + 0.5) / 100);
    }
} // namespace

QFont mingFont(const Font& font)
{
    QFont f;
    f.setFamilies(mingFamilies());
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
        font.setHintingPreference(fromStrike ? QFont::PreferFullHinting : platform::outlineHinting);
        return font;
    };
    if (!qFuzzyCompare(devicePixelRatio, 1.0))
        return drawn(false);
    // Asked of the font as it would draw from a strike, so that the face read is one the window uses.
    return drawn(faceStrikes(drawn(true)).contains(pixelSize(font)));
}

} // namespace form
