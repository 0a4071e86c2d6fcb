// The tool's DLL commands: system functions declared by library file name and entry
// name, called by index.
#pragma once
#include "runtime/logic/calls.h"

namespace tuner {

enum DllCommand : rt::i32 {
    kCreateToolhelp32Snapshot = 0,
    kProcess32First = 1,
    kCloseHandle = 2,
    kProcess32Next = 3,
    kStrlen = 4,
    kMultiByteToWideChar = 5,
    kGetNamedSecurityInfoW = 6,
    kLocalAlloc = 7,
    kBuildExplicitAccessWithNameW = 8,
    kSetEntriesInAclW = 9,
    kSetNamedSecurityInfoW = 10,
    kLocalFree = 11,
    kCopyFileA = 12,
    kPathIsDirectoryW = 13,
    kCreateDirectoryW = 14,
    kGetCurrentProcessId = 15,
    kMessageBoxTimeoutA = 16,
    kGetTickCount = 17,
    kFindWindowExA = 18,
    kIsWindowVisible = 19,
    kGetWindowThreadProcessId = 20,
    kGetParent = 21,
    kGetClassNameA = 22,
    kGetWindowTextLengthW = 23,
    kGetWindowTextW = 24,
    kLstrlenW = 25,
    kWideCharToMultiByte = 26,
    kPathMakeSystemFolderA = 27,
    kCreateThread = 28,
    kPeekMessageA = 29,
    kTranslateMessage = 30,
    kDispatchMessageA = 31,
    kGetCurrentProcess = 32,
    kOpenProcess = 33,
    kNtQueryInformationProcess = 34,
    kGetExitCodeThread = 35,
    kTerminateThread = 36,
    // Listing a directory once, with attributes, for the install directory search and
    // the log deletion.
    kFindFirstFileExA = 37,
    kFindNextFileA = 38,
    kFindClose = 39,
    // The usual places of a client, tried before a drive is walked: a folder's
    // attributes, the launcher's registry value, a running client's image path.
    kGetFileAttributesA = 40,
    kRegOpenKeyExA = 41,
    kRegQueryValueExA = 42,
    kRegCloseKey = 43,
    kQueryFullProcessImageNameA = 44,
    kDllCommandCount = 45,
};

extern const char* const kDllLibraries[kDllCommandCount];
extern const char* const kDllEntries[kDllCommandCount];

// Every DLL command is declared standard (the callee pops) except strlen.
inline logic::Convention convention_of(DllCommand command) {
    return command == kStrlen ? logic::Convention::CallerCleanup : logic::Convention::Standard;
}

}  // namespace tuner
