#include "platform/open_url.h"

#include <QUrl>
#include <QWidget>
#include <windows.h>

namespace platform {

// The shell's "open" on the address starts the user's default browser, as a double-click on a link
// would; anything the shell has to say is shown over the owner window. SW_SHOW brings the browser's
// window up as it was last placed.
void openUrl(const QUrl& address, QWidget* owner)
{
    const QString text = address.toString(QUrl::FullyEncoded);
    ShellExecuteW(reinterpret_cast<HWND>(owner->winId()), L"open", reinterpret_cast<const wchar_t*>(text.utf16()),
        nullptr, nullptr, SW_SHOW);
}

} // namespace platform
