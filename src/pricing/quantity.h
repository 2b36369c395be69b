#pragma once
// The text of a quantity box: an item of its list ("00" to "20"), or what the customer is typing.

#include <QString>
#include <optional>

namespace pricing {

// The number of units the box's text stands for. An empty box (the customer has cleared it and not
// typed yet) counts as none. Nothing for text that is not a number.
std::optional<double> quantityValue(const QString& text);

// The list item a typed quantity stands for ("3" gives "03", "" gives "00"); nothing for text that
// is not a whole number from 0 to 20.
std::optional<QString> quantityItem(const QString& text);

} // namespace pricing
