#include "platform/open_url.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

// QDesktopServices starts the browser detached (or hands the address to the desktop portal) and
// never waits for it, so the window keeps responding while the browser comes up. The desktop has no
// use for the owner.
void openUrl(const QUrl& address, QWidget*) { QDesktopServices::openUrl(address); }

} // namespace platform
