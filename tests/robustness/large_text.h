#pragma once
// Very large details, as a customer might paste them: a megabyte of text per box.

#include <QString>

namespace robustness {

constexpr qsizetype largeTextSize = 1 << 20; // characters

// A text of largeTextSize characters, different for each `seed`: letters, digits, blanks, signs,
// Chinese, emoji and tabs, but no line break, so that it stands on one line of the order e-mail.
QString largeText(quint32 seed);

} // namespace robustness
