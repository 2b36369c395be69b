#pragma once
// Opening a web address in the user's default browser.

class QUrl;
class QWidget;

namespace platform {

// Asks the desktop to open `address` on behalf of the window `owner` and returns at once; the browser
// starts on its own. Whether it could be started is not reported: the window has nothing to say
// about it.
void openUrl(const QUrl& address, QWidget* owner);

} // namespace platform
