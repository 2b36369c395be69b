// Stands in for the system's Simple MAPI in the Windows order test, which puts it in its Wine
// prefix's system folder. MAPISendMailW notes what it was handed in the file TOVIRA_MAILED names,
// each field as UTF-8 ended by a NUL, and answers TOVIRA_MAPI_RESULT (0 when unset: the message is open).

#include "platform/mapi_unicode.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string field(const std::string& text) { return text + '\0'; }

std::string field(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0'); // the terminating NUL included
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

} // namespace

extern "C" __declspec(dllexport) ULONG WINAPI
    MAPISendMailW(LHANDLE, ULONG_PTR, platform::mapi::MapiMessageW* message, FLAGS flags, ULONG)
{
    std::string noted = field("MAPISendMailW flags " + std::to_string(flags));
    for (ULONG i = 0; i < message->nRecipCount; ++i) {
        const platform::mapi::MapiRecipDescW& recipient = message->lpRecips[i];
        noted += field("recipient " + std::to_string(recipient.ulRecipClass)) + field(recipient.lpszName)
            + field(recipient.lpszAddress);
    }
    noted += field(message->lpszSubject) + field(message->lpszNoteText)
        + field("attachments " + std::to_string(message->nFileCount));
    if (FILE* file = std::fopen(std::getenv("TOVIRA_MAILED"), "ab")) {
        std::fwrite(noted.data(), 1, noted.size(), file);
        std::fclose(file);
    }
    const char* result = std::getenv("TOVIRA_MAPI_RESULT");
    return result ? std::strtoul(result, nullptr, 10) : SUCCESS_SUCCESS;
}
