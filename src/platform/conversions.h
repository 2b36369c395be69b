#pragma once
// How the program reads a control's text as a number and writes a number back as text. Every
// figure on the product page travels as a caption, so these are the only places where text turns
// into arithmetic. Each reading returns nothing for text that is no number it can use, so a caller
// can stop before it writes a figure it cannot trust.

#include <QString>
#include <QtGlobal>
#include <optional>

namespace platform {

// The decimal number in the text ("05" gives 5; blanks around it are allowed). Nothing for text
// that is not a finite number, or that uses group separators.
std::optional<double> textToDouble(const QString& text);

// The whole number nearest to the decimal number in the text (halves go to the even neighbour).
// Nothing for text that is not a number, or for a value beyond ±2^53, where not every whole number
// has an exact double and the result could be off by one.
std::optional<qint64> textToInteger(const QString& text);

// The shortest decimal form with at most 15 significant digits: no leading blank, no group
// separators, no decimal point for a whole number ("2000", "0", "2.5"). Nothing for infinity or NaN.
std::optional<QString> doubleToText(double value);

// Decimal digits, a minus sign if negative, no leading blank.
QString integerToText(qint64 value);

} // namespace platform
