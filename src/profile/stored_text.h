#pragma once
// Check box and option button values as text in the settings store, and back. Writing gives only
// "0"/"1" and "True"/"False". Reading also accepts what a hand-edited store may hold and the
// program has always read sensibly; anything else gives no value, and the control keeps its own.

#include <QString>
#include <optional>

namespace profile {

// 0 clear, 1 ticked, 2 greyed, as decimal text.
QString checkText(int value);
// A number (blanks around it allowed) rounded to the nearest integer, halves to even, if that is
// 0, 1 or 2.
std::optional<int> checkFromText(const QString& text);

QString optionText(bool selected);
// "True" or "False" in any letter case, or a number: zero is False, any other True.
std::optional<bool> optionFromText(const QString& text);

} // namespace profile
