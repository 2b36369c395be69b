#pragma once
// The generate button of the details page: checks the required details, then shows the result page
// with the order e-mail's subject and body, built afresh from the window on every press.

namespace form {
class Form1;
}

namespace order {

// Connects Command4_Click to the generate button.
void attach(form::Form1& form);

// Incomplete details: one message and nothing else changes. Otherwise the result page, with Text15
// and Text16 replaced by the subject and body of the current order.
void Command4_Click(form::Form1& form);

} // namespace order
