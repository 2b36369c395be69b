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

// The window's default user-interface font, pinned so it does not inherit the Ming face of a page.
QFont windowDefaultFont();

// The frame look: a thin grey border with the caption sitting in its top edge, and no tint inside.
extern const char* const frameStyleSheet;

} // namespace form
