#pragma once

namespace form {
class Form1;
}

namespace links {

void attach(form::Form1& form);

} // namespace links
