#include "pricing/wiring.h"

namespace pricing {

void attach(form::Form1&) { }

} // namespace pricing
