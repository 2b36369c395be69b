// Stands in for the system's Simple MAPI in the Windows order test, which puts it in its Wine
// prefix's system folder. MAPISendMailW notes what it was handed in the file TOVIRA_MAILED names,
// each field as UTF-8 ended by a NUL, and answers TOVIRA_MAPI_RESULT (0 when unset: the message is open).

#include "platform/mapi_unicode.h"

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" __declspec(dllexport) ULONG WINAPI
    MAPISendMailW(LHANDLE, ULONG_PTR, platform::mapi::MapiMessageW* message, FLAGS flags, ULONG)
{
    std::wstring noted = L"MAPISendMailW flags " + std::to_wstring(flags) + L'\0';
    for (const auto* to = message->lpRecips; to < message->lpRecips + message->nRecipCount; ++to)
        noted += L"recipient " + std::to_wstring(to->ulRecipClass) + L'\0' + to->lpszName + L'\0' + to->lpszAddress
            + L'\0';
    noted += std::wstring(message->lpszSubject) + L'\0' + message->lpszNoteText + L'\0' + L"attachments "
        + std::to_wstring(message->nFileCount) + L'\0';
    std::string bytes(noted.size() * 3, '\0');
    bytes.resize(WideCharToMultiByte(
        CP_UTF8, 0, noted.data(), int(noted.size()), bytes.data(), int(bytes.size()), nullptr, nullptr));
    if (FILE* file = std::fopen(std::getenv("TOVIRA_MAILED"), "ab")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    const char* result = std::getenv("TOVIRA_MAPI_RESULT");
    return result ? std::strtoul(result, nullptr, 10) : SUCCESS_SUCCESS;
}
