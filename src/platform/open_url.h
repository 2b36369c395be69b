#pragma once
// Opening a web address in the user's default browser.

class QUrl;

namespace platform {

// Asks the desktop to open `address` and returns at once; the browser starts on its own. Whether it
// could be started is not reported: the window has nothing to say about it.
void openUrl(const QUrl& address);

} // namespace platform
