#pragma once
// A settings file format in which every value is the text exactly as it stands in the file. Qt's
// own INI format reads a hand-edited "a, b" as a list, drops what follows ";" and trims blanks; a
// customer or the shop who edits the file by hand should get back what they wrote.
//
// The file is UTF-8, one "key=value" per line under "[section]" headers; the value is everything
// after the first "=", blanks included. Lines starting with ";" or "#" are comments. Only a text
// holding a line break cannot stand on one line: it is written as @Text(...) with the line breaks
// and backslashes escaped C-style inside, and a plain text that would itself read as that form is
// written the same way.

#include <QSettings>

namespace platform {

// The format, registered with QSettings on first use.
QSettings::Format rawTextFormat();

} // namespace platform
