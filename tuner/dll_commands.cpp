#include "tuner/dll_commands.h"

#include "runtime/logic/constants.h"

namespace tuner {

// Library file names stay exactly as declared, letter case included.
TRIVANE_CONSTANT const char* const kDllLibraries[kDllCommandCount] = {
    "kernel32.dll", "kernel32.dll", "kernel32.dll", "kernel32.dll", "msvcrt.dll",   "Kernel32.dll",
    "Advapi32.dll", "kernel32.dll", "Advapi32.dll", "Advapi32.dll", "Advapi32.dll", "kernel32.dll",
    "kernel32.dll", "shlwapi.dll",  "Kernel32.dll", "kernel32.dll", "user32.dll",   "kernel32.dll",
    "user32.dll",   "user32.dll",   "user32.dll",   "user32.dll",   "user32.dll",   "user32.dll",
    "user32.dll",   "kernel32.dll", "kernel32.dll", "shlwapi.dll",  "kernel32.dll", "user32.dll",
    "user32.dll",   "user32.dll",   "kernel32.dll", "kernel32.dll", "ntdll.dll",    "kernel32.dll",
    "Kernel32.dll", "kernel32.dll", "kernel32.dll", "kernel32.dll", "kernel32.dll", "advapi32.dll",
    "advapi32.dll", "advapi32.dll", "kernel32.dll",
};

TRIVANE_CONSTANT const char* const kDllEntries[kDllCommandCount] = {
    "CreateToolhelp32Snapshot",
    "Process32First",
    "CloseHandle",
    "Process32Next",
    "strlen",
    "MultiByteToWideChar",
    "GetNamedSecurityInfoW",
    "LocalAlloc",
    "BuildExplicitAccessWithNameW",
    "SetEntriesInAclW",
    "SetNamedSecurityInfoW",
    "LocalFree",
    "CopyFileA",
    "PathIsDirectoryW",
    "CreateDirectoryW",
    "GetCurrentProcessId",
    "MessageBoxTimeoutA",
    "GetTickCount",
    "FindWindowExA",
    "IsWindowVisible",
    "GetWindowThreadProcessId",
    "GetParent",
    "GetClassNameA",
    "GetWindowTextLengthW",
    "GetWindowTextW",
    "lstrlenW",
    "WideCharToMultiByte",
    "PathMakeSystemFolderA",
    "CreateThread",
    "PeekMessageA",
    "TranslateMessage",
    "DispatchMessageA",
    "GetCurrentProcess",
    "OpenProcess",
    "NtQueryInformationProcess",
    "GetExitCodeThread",
    "TerminateThread",
    "FindFirstFileExA",
    "FindNextFileA",
    "FindClose",
    "GetFileAttributesA",
    "RegOpenKeyExA",
    "RegQueryValueExA",
    "RegCloseKey",
    "QueryFullProcessImageNameA",
};

}  // namespace tuner
