#pragma once
// What the platform's font engine can be trusted with when drawing the window's small Ming text.

namespace platform {

// Whether glyphs drawn unantialiased from a face's bitmap strikes come out whole. FreeType (Linux)
// draws each strike glyph as the face has it. Qt's Windows font engine cuts each unantialiased glyph
// to the box of its outline, and a strike's narrow glyphs sit elsewhere in their cells: digits come
// out as dots and hooks, and brackets, bars and full-width commas vanish. There the outlines are
// drawn, antialiased, and every glyph is whole.
#ifdef Q_OS_WIN
inline constexpr bool strikesDrawnWhole = false;
#else
inline constexpr bool strikesDrawnWhole = true;
#endif

} // namespace platform
