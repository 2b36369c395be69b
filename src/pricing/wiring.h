#pragma once
// Pricing on the product page. Each quantity box runs its row's handler when the customer picks a
// quantity from its list or types one; the handler writes the row's subtotal and points captions,
// then SumColumns adds up both columns and CalcPayment shows the goods total, the shipping fee and
// the amount to transfer. All figures live only in the captions and are read back from them.

namespace form {
class Form1;
}

namespace pricing {

void attach(form::Form1& form);

} // namespace pricing
