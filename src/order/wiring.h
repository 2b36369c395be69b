#pragma once
// The generate button of the details page: checks the required details, then shows the result page
// with the order e-mail's subject and body, built afresh from the window on every press. The result
// page's mail button opens the e-mail in the customer's mail program.

namespace form {
class Form1;
}

namespace order {

// Connects Command4_Click and Command9_Click to their buttons.
void attach(form::Form1& form);

// Incomplete details: one message and nothing else changes. Otherwise the result page, with Text15
// and Text16 replaced by the subject and body of the current order.
void Command4_Click(form::Form1& form);

// A new, unsent message in the customer's mail program, to Text12's address, with Text15 as its
// subject and Text16 as its body, as the customer has left them.
void Command9_Click(form::Form1& form);

} // namespace order
