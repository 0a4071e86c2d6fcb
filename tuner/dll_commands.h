// The tool's DLL commands: system functions declared by library file name and entry
// name, called by index.
#pragma once
#include "logic/calls.h"

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
    // System programs are started by full path.
    kGetSystemDirectoryA = 40,
    // Ends the process when searches outlive the window's closing by too long.
    kExitProcess = 41,
    // Replacing a client file through a temporary sibling.
    kGetFileAttributesA = 42,
    kGetTempFileNameA = 43,
    kCreateFileA = 44,
    kWriteFile = 45,
    kReadFile = 46,
    kFlushFileBuffers = 47,
    kReplaceFileA = 48,
    kMoveFileExA = 49,
    // The change record and its system menu item.
    kGetLastError = 50,
    kGetLocalTime = 51,
    kSHGetFolderPathA = 52,
    kCreateDirectoryA = 53,
    kGetFileInformationByHandleEx = 54,
    kGetSystemMenu = 55,
    kAppendMenuA = 56,
    kSetWindowLongA = 57,
    kCallWindowProcA = 58,
    // Places a client usually is: the launcher's registry values and running client programs.
    kRegOpenKeyExA = 59,
    kRegQueryValueExA = 60,
    kRegCloseKey = 61,
    kQueryFullProcessImageNameA = 62,
    kDllCommandCount = 63,
};

extern const char* const kDllLibraries[kDllCommandCount];
extern const char* const kDllEntries[kDllCommandCount];

// Every DLL command is declared standard (the callee pops) except strlen.
inline logic::Convention convention_of(DllCommand command) {
    return command == kStrlen ? logic::Convention::CallerCleanup : logic::Convention::Standard;
}

}  // namespace tuner
