#include "order/wiring.h"

namespace order {

void attach(form::Form1&) { }

} // namespace order
