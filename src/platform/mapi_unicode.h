#pragma once
// Simple MAPI's wide-character message and its send call (Windows 8 and later), laid out as the
// Windows SDK has them: MinGW-w64's mapi.h declares only the ANSI ones before its version 13. They
// stand in a namespace of their own so that a newer mapi.h cannot clash with them.

#include <windows.h>

#include <mapi.h>

namespace platform::mapi {

struct MapiRecipDescW {
    ULONG ulReserved;
    ULONG ulRecipClass; // MAPI_TO, ...
    PWSTR lpszName;
    PWSTR lpszAddress; // "SMTP:" and the address
    ULONG ulEIDSize;
    PVOID lpEntryID;
};

struct MapiFileDescW {
    ULONG ulReserved;
    ULONG flFlags;
    ULONG nPosition;
    PWSTR lpszPathName;
    PWSTR lpszFileName;
    PVOID lpFileType;
};

struct MapiMessageW {
    ULONG ulReserved;
    PWSTR lpszSubject;
    PWSTR lpszNoteText;
    PWSTR lpszMessageType;
    PWSTR lpszDateReceived;
    PWSTR lpszConversationID;
    FLAGS flFlags;
    MapiRecipDescW* lpOriginator;
    ULONG nRecipCount;
    MapiRecipDescW* lpRecips;
    ULONG nFileCount;
    MapiFileDescW* lpFiles;
};

typedef ULONG(WINAPI MAPISENDMAILW)(
    LHANDLE lhSession, ULONG_PTR ulUIParam, MapiMessageW* lpMessage, FLAGS flFlags, ULONG ulReserved);

} // namespace platform::mapi
