#include "profile/wiring.h"

namespace profile {

void attach(form::Form1&) { }

} // namespace profile
