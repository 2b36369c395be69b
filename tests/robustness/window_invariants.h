#pragma once
// What must hold in the window whatever the customer has done: one page in view, every product
// line priced from its quantity, the totals and the shipping fee agreeing with the lines, the
// weekday/holiday pair settled. Each check returns a description of every rule that is broken, so
// an empty list means the window is sound.

#include <QStringList>

namespace form {
class Form1;
}

namespace robustness {

QStringList brokenInvariants(const form::Form1& form);

// After the generate button ran without complaint: the subject carries the nickname, the body
// quotes the amount to transfer and lists exactly the dishes whose quantity is not "00".
QStringList brokenOrderEmail(const form::Form1& form);

// True when none of the nine details an order needs is empty.
bool detailsComplete(const form::Form1& form);

// The shipping fee for a points total, stated apart from the program's own rule.
int expectedShippingFee(int points);

} // namespace robustness
