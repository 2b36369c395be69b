#pragma once

#include <functional>

class QComboBox;

namespace pricing {

// Lets the customer type a quantity that counts exactly as a picked one: the box takes only a
// whole number from 0 to 20, runs `recalculate` whenever the customer changes the text, and shows
// the number as its list item ("3" as "03", empty as "00") once editing ends.
void acceptTypedQuantities(QComboBox* box, std::function<void()> recalculate);

} // namespace pricing
