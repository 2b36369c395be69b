#pragma once

namespace form {
class Form1;
}

namespace profile {

void attach(form::Form1& form);

} // namespace profile
