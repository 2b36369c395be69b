#pragma once

namespace form {
class Form1;
}

namespace pricing {

void attach(form::Form1& form);

} // namespace pricing
