#include "platform/mail_draft.h"
#include "platform/mapi_unicode.h"
#include "platform/message_box.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <objbase.h>
#include <string>
#include <thread>

namespace platform {

namespace {

    std::wstring wide(const QString& text) { return text.toStdWString(); }

    // Simple MAPI opens the message in the customer's default mail program and returns only when the
    // customer has sent or closed it, so it is called on a thread of its own. mapi32.dll comes from
    // the system folder alone: a file of that name beside the program or in the current folder is
    // never loaded. MAPI_DIALOG shows the message instead of sending it (some mail programs send at
    // once without it); MAPI_LOGON_UI lets the mail program ask for a sign-in. A customer who closes
    // the message unsent (MAPI_E_USER_ABORT) has had it handed over all the same.
    bool sendThroughMapi(std::wstring to, std::wstring subject, std::wstring body)
    {
        HMODULE library = LoadLibraryExW(L"mapi32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!library)
            return false;
        auto* send = reinterpret_cast<mapi::MAPISENDMAILW*>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "MAPISendMailW")));
        ULONG result = MAPI_E_FAILURE;
        if (send) {
            const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // some mail programs need it
            std::wstring address = L"SMTP:" + to;
            mapi::MapiRecipDescW recipient {};
            recipient.ulRecipClass = MAPI_TO;
            recipient.lpszName = to.data();
            recipient.lpszAddress = address.data();
            mapi::MapiMessageW message {};
            message.lpszSubject = subject.data();
            message.lpszNoteText = body.data();
            message.nRecipCount = 1;
            message.lpRecips = &recipient;
            result = send(0, 0, &message, MAPI_DIALOG | MAPI_LOGON_UI, 0);
            if (SUCCEEDED(com))
                CoUninitialize();
        }
        FreeLibrary(library);
        return result == SUCCESS_SUCCESS || result == MAPI_E_USER_ABORT;
    }

    // Without Simple MAPI the shell opens a mailto: address with the default mail program. The shell
    // takes an address of some 2,000 characters at most; a longer one would lose the end of the
    // order, so it is not handed over at all.
    void handToShell(const MailDraft& draft, QWidget* owner)
    {
        const QString address = mailtoAddress(draft);
        const bool opened = address.size() < 2000
            && reinterpret_cast<INT_PTR>(ShellExecuteW(reinterpret_cast<HWND>(owner->winId()), L"open",
                   reinterpret_cast<const wchar_t*>(address.utf16()), nullptr, nullptr, SW_SHOW))
                > 32;
        if (!opened)
            showMessage(owner, noMailProgramPrompt(), noMailProgramTitle());
    }

} // namespace

// The message is not tied to the window: the mail program's window is its own, and the customer
// may go on using this one while it is open.
void openMailDraft(const MailDraft& draft, QWidget* owner)
{
    std::thread([draft, owner = QPointer<QWidget>(owner), to = wide(draft.to), subject = wide(oneLine(draft.subject)),
                    body = wide(withLineEnds(draft.body, QStringLiteral("\r\n")))] {
        if (sendThroughMapi(to, subject, body))
            return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [draft, owner] {
                if (owner)
                    handToShell(draft, owner);
            },
            Qt::QueuedConnection);
    }).detach();
}

} // namespace platform
