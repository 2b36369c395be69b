#include "form/looks.h"

#include <QApplication>
#include <QPalette>

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
    // "新細明體" where it exists (Windows), else an installed Traditional Chinese Ming face.
    const QStringList mingFamilies { QStringLiteral("新細明體"), QStringLiteral("PMingLiU"),
        QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing HK"), QStringLiteral("AR PL Mingti2L Big5") };
}

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

} // namespace form
