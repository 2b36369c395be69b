#pragma once
// How the window's small Ming text is drawn on each platform: every platform draws it through FreeType
// (on Windows by the choice QtArguments makes), which draws a face's bitmap strikes whole.

#include <QFont>
#include <vector>

namespace platform {

// How antialiased outlines are hinted. On Linux as the desktop says (fontconfig; Debian's own setting
// is "slight", vertically only). FreeType on Windows hints fully unless told otherwise, which sets the
// Ming face's Latin letters and digits on whole, wider cells than Linux gives them; vertical hinting
// draws the title and every caption on a scaled screen alike on both.
#ifdef Q_OS_WIN
inline constexpr QFont::HintingPreference outlineHinting = QFont::PreferVerticalHinting;
#else
inline constexpr QFont::HintingPreference outlineHinting = QFont::PreferDefaultHinting;
#endif

// The command line QApplication is given: the program's own, and on Windows, when the user names no
// platform (neither -platform nor QT_QPA_PLATFORM), Qt's `windows` platform with its FreeType font
// engine (TOVIRA_WINDOWS_PLATFORM). Qt's default engine there, GDI, cuts each unantialiased glyph to
// the box of its outline, while a strike's narrow glyphs sit elsewhere in their cells, so digits,
// brackets, bars and full-width commas lose their ink (Qt itself keeps MingLiU away from GDI, which
// misdraws it at some sizes). FreeType draws the strikes whole and measures text as it does on Linux,
// so the window is laid out alike on both.
class QtArguments {
public:
    QtArguments(int argc, char* argv[]);
    int& count() { return size; }
    char** values() { return arguments.data(); }

private:
    int size;
    std::vector<char*> arguments;
};

} // namespace platform
