#pragma once
// Colours and fonts of the window, in one place.

#include "form/layout_types.h"

#include <QColor>
#include <QFont>

namespace form {

inline const QColor windowBackground { 0xFF, 0xFF, 0xC0 }; // light yellow, behind every page

QColor inkColour(Ink ink);

// The Ming-style face every control uses, reaching an installed Traditional Chinese Ming font on
// each platform so that every glyph comes from one face.
QFont mingFont(const Font& font);

// The window's default font, for the captions that carry no font of their own: the default UI font
// of the customers' desktops (Traditional Chinese Windows), 新細明體 9 pt, on every platform alike,
// so that those captions fill their boxes as they were laid out.
QFont windowDefaultFont();

// `font` as it is drawn on a screen of `devicePixelRatio`. A Ming face carries hand-made bitmaps
// (strikes) of its glyphs at the small sizes, and the customers' desktops draw small captions from
// them: one-pixel strokes, fully dark. Where the face in use has a strike at the font's size on this
// screen, the font draws from it, without antialiasing and on the strike's own advances; everywhere
// else (other sizes, scaled screens, faces without strikes) it draws antialiased outlines.
QFont drawnFont(QFont font, qreal devicePixelRatio);

inline const QColor frameBorder { 0xA0, 0xA0, 0xA0 };

} // namespace form
