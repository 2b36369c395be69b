#pragma once

namespace form {
class Form1;
}

namespace order {

void attach(form::Form1& form);

} // namespace order
