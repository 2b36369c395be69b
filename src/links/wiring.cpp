#include "links/wiring.h"

namespace links {

void attach(form::Form1&) { }

} // namespace links
