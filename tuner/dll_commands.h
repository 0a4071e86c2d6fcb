// The tool's DLL commands: system functions declared by library file name and entry
// name, called by index. Each is described once, in the list below; from it come
// the index enum, the name arrays of the program information block and a typed call
// for each command (dll::CloseHandle(handle, site)).
#pragma once
#include "logic/dll_function.h"

namespace tuner {

// X(index name, entry, library file, convention, signature), in index order: a
// command's place in the list is its index, so new ones go at the end. Library file
// names stay exactly as declared, letter case included. Handles of every kind
// (kernel, window, menu, registry key) are plain words; every command but strlen is
// standard (the callee pops).
#define TUNER_DLL_COMMANDS(X)                                                                                    \
    X(kCreateToolhelp32Snapshot, CreateToolhelp32Snapshot, "kernel32.dll", Standard,                             \
      u32(u32 flags, u32 process_id))                                                                            \
    X(kProcess32FirstW, Process32FirstW, "kernel32.dll", Standard, bool(u32 snapshot, u32 entry_block))          \
    X(kCloseHandle, CloseHandle, "kernel32.dll", Standard, bool(u32 handle))                                     \
    X(kProcess32NextW, Process32NextW, "kernel32.dll", Standard, bool(u32 snapshot, u32 entry_block))            \
    X(kStrlen, strlen, "msvcrt.dll", CallerCleanup, u32(const char* text))                                       \
    X(kMultiByteToWideChar, MultiByteToWideChar, "Kernel32.dll", Standard,                                       \
      i32(u32 code_page, u32 flags, const char* source, i32 source_length, wchar_t* target, i32 target_length))  \
    X(kGetNamedSecurityInfoW, GetNamedSecurityInfoW, "Advapi32.dll", Standard,                                   \
      u32(const wchar_t* name, u32 object_type, u32 information, void** owner, void** group, void** access_list, \
          void** audit_list, void** descriptor))                                                                 \
    X(kLocalAlloc, LocalAlloc, "kernel32.dll", Standard, void*(u32 flags, u32 bytes))                            \
    X(kBuildExplicitAccessWithNameW, BuildExplicitAccessWithNameW, "Advapi32.dll", Standard,                     \
      void(void* access, const wchar_t* trustee, u32 permissions, u32 mode, u32 inheritance))                    \
    X(kSetEntriesInAclW, SetEntriesInAclW, "Advapi32.dll", Standard,                                             \
      u32(u32 count, void* entries, void* old_list, void** new_list))                                            \
    X(kSetNamedSecurityInfoW, SetNamedSecurityInfoW, "Advapi32.dll", Standard,                                   \
      u32(const wchar_t* name, u32 object_type, u32 information, void* owner, void* group, void* access_list,    \
          void* audit_list))                                                                                     \
    X(kLocalFree, LocalFree, "kernel32.dll", Standard, void*(void* block))                                       \
    X(kCopyFileW, CopyFileW, "kernel32.dll", Standard,                                                           \
      bool(const wchar_t* from, const wchar_t* to, bool keep_existing))                                          \
    /* The directory's attributes (16) for a directory, not a plain true. */                                    \
    X(kPathIsDirectoryW, PathIsDirectoryW, "shlwapi.dll", Standard, u32(const wchar_t* path))                    \
    X(kCreateDirectoryW, CreateDirectoryW, "Kernel32.dll", Standard, bool(const wchar_t* path, void* security))  \
    X(kGetCurrentProcessId, GetCurrentProcessId, "kernel32.dll", Standard, u32())                                \
    X(kMessageBoxTimeoutW, MessageBoxTimeoutW, "user32.dll", Standard,                                           \
      i32(u32 owner, const wchar_t* text, const wchar_t* title, u32 style, u32 language, u32 milliseconds))      \
    X(kGetTickCount, GetTickCount, "kernel32.dll", Standard, u32())                                              \
    X(kFindWindowExW, FindWindowExW, "user32.dll", Standard,                                                     \
      u32(u32 parent, u32 after, const wchar_t* class_name, const wchar_t* title))                               \
    X(kIsWindowVisible, IsWindowVisible, "user32.dll", Standard, bool(u32 window))                               \
    X(kGetWindowThreadProcessId, GetWindowThreadProcessId, "user32.dll", Standard,                               \
      u32(u32 window, u32* process_id))                                                                          \
    X(kGetParent, GetParent, "user32.dll", Standard, u32(u32 window))                                            \
    X(kGetClassNameW, GetClassNameW, "user32.dll", Standard, i32(u32 window, wchar_t* name, i32 capacity))       \
    X(kGetWindowTextLengthW, GetWindowTextLengthW, "user32.dll", Standard, i32(u32 window))                      \
    X(kGetWindowTextW, GetWindowTextW, "user32.dll", Standard, i32(u32 window, wchar_t* text, i32 capacity))     \
    X(kLstrlenW, lstrlenW, "kernel32.dll", Standard, i32(const wchar_t* text))                                   \
    X(kWideCharToMultiByte, WideCharToMultiByte, "kernel32.dll", Standard,                                       \
      i32(u32 code_page, u32 flags, const wchar_t* source, i32 source_length, char* target, i32 target_length,   \
          const char* default_char, i32* used_default))                                                          \
    X(kPathMakeSystemFolderW, PathMakeSystemFolderW, "shlwapi.dll", Standard, bool(const wchar_t* path))         \
    X(kCreateThread, CreateThread, "kernel32.dll", Standard,                                                     \
      u32(void* security, u32 stack_size, ThreadRoutine start, void* parameter, u32 flags, u32* thread_id))      \
    X(kPeekMessageW, PeekMessageW, "user32.dll", Standard,                                                       \
      bool(void* message, u32 window, u32 first, u32 last, u32 remove))                                          \
    X(kTranslateMessage, TranslateMessage, "user32.dll", Standard, bool(const void* message))                    \
    X(kDispatchMessageW, DispatchMessageW, "user32.dll", Standard, u32(const void* message))                     \
    X(kGetCurrentProcess, GetCurrentProcess, "kernel32.dll", Standard, u32())                                    \
    X(kOpenProcess, OpenProcess, "kernel32.dll", Standard, u32(u32 access, bool inherit, u32 process_id))        \
    X(kNtQueryInformationProcess, NtQueryInformationProcess, "ntdll.dll", Standard,                              \
      u32(u32 process, u32 information_class, void* information, u32 length, u32* returned))                    \
    X(kGetExitCodeThread, GetExitCodeThread, "kernel32.dll", Standard, bool(u32 thread, u32* exit_code))         \
    X(kTerminateThread, TerminateThread, "Kernel32.dll", Standard, bool(u32 thread, u32 exit_code))              \
    /* Listing a directory once, with attributes, for the install directory search and */                       \
    /* the log deletion. */                                                                                      \
    X(kFindFirstFileExW, FindFirstFileExW, "kernel32.dll", Standard,                                             \
      u32(const wchar_t* pattern, u32 information_level, void* data, u32 search_kind, void* filter, u32 flags))  \
    X(kFindNextFileW, FindNextFileW, "kernel32.dll", Standard, bool(u32 search, void* data))                     \
    X(kFindClose, FindClose, "kernel32.dll", Standard, bool(u32 search))                                         \
    /* System programs are started by full path. */                                                             \
    X(kGetSystemDirectoryW, GetSystemDirectoryW, "kernel32.dll", Standard, u32(wchar_t* buffer, u32 capacity))   \
    /* Ends the process when searches outlive the window's closing by too long. */                              \
    X(kExitProcess, ExitProcess, "kernel32.dll", Standard, void(u32 exit_code))                                  \
    /* Replacing a client file through a temporary sibling. */                                                  \
    X(kWriteFile, WriteFile, "kernel32.dll", Standard,                                                           \
      bool(u32 file, const void* data, u32 length, u32* written, void* overlapped))                              \
    X(kReadFile, ReadFile, "kernel32.dll", Standard,                                                             \
      bool(u32 file, void* buffer, u32 length, u32* read, void* overlapped))                                     \
    X(kFlushFileBuffers, FlushFileBuffers, "kernel32.dll", Standard, bool(u32 file))                             \
    X(kReplaceFileW, ReplaceFileW, "kernel32.dll", Standard,                                                     \
      bool(const wchar_t* target, const wchar_t* replacement, const wchar_t* aside, u32 flags, void* exclude,    \
           void* reserved))                                                                                      \
    X(kMoveFileExW, MoveFileExW, "kernel32.dll", Standard,                                                       \
      bool(const wchar_t* from, const wchar_t* to, u32 flags))                                                   \
    /* The change record and its system menu item. */                                                           \
    X(kGetLastError, GetLastError, "kernel32.dll", Standard, u32())                                              \
    X(kGetLocalTime, GetLocalTime, "kernel32.dll", Standard, void(void* time))                                   \
    X(kSHGetFolderPathW, SHGetFolderPathW, "shell32.dll", Standard,                                              \
      u32(u32 owner, u32 folder, u32 token, u32 flags, wchar_t* path))                                           \
    X(kGetFileInformationByHandleEx, GetFileInformationByHandleEx, "kernel32.dll", Standard,                     \
      bool(u32 file, u32 information_class, void* information, u32 size))                                        \
    X(kGetSystemMenu, GetSystemMenu, "user32.dll", Standard, u32(u32 window, bool revert))                       \
    X(kAppendMenuW, AppendMenuW, "user32.dll", Standard, bool(u32 menu, u32 flags, u32 item_id, const wchar_t* item)) \
    X(kSetWindowLongW, SetWindowLongW, "user32.dll", Standard, u32(u32 window, i32 index, u32 value))            \
    X(kCallWindowProcW, CallWindowProcW, "user32.dll", Standard,                                                 \
      u32(u32 procedure, u32 window, u32 message, u32 wparam, u32 lparam))                                       \
    /* Places a client usually is: the launcher's registry values and running client */                         \
    /* programs. */                                                                                              \
    X(kRegOpenKeyExW, RegOpenKeyExW, "advapi32.dll", Standard,                                                   \
      u32(u32 key, const wchar_t* sub_key, u32 options, u32 access, u32* opened))                                \
    X(kRegQueryValueExW, RegQueryValueExW, "advapi32.dll", Standard,                                             \
      u32(u32 key, const wchar_t* name, u32* reserved, u32* type, void* data, u32* size))                        \
    X(kRegCloseKey, RegCloseKey, "advapi32.dll", Standard, u32(u32 key))                                         \
    X(kQueryFullProcessImageNameW, QueryFullProcessImageNameW, "kernel32.dll", Standard,                         \
      bool(u32 process, u32 flags, wchar_t* path, u32* size))                                                    \
    /* The change record, shared by its writers, on checked handles. */                                         \
    X(kGetFinalPathNameByHandleW, GetFinalPathNameByHandleW, "kernel32.dll", Standard,                           \
      u32(u32 file, wchar_t* path, u32 capacity, u32 flags))                                                     \
    X(kSetFileInformationByHandle, SetFileInformationByHandle, "kernel32.dll", Standard,                         \
      bool(u32 file, u32 information_class, void* information, u32 size))                                       \
    X(kLockFileEx, LockFileEx, "kernel32.dll", Standard,                                                         \
      bool(u32 file, u32 flags, u32 reserved, u32 low, u32 high, void* overlapped))                              \
    X(kUnlockFileEx, UnlockFileEx, "kernel32.dll", Standard,                                                     \
      bool(u32 file, u32 reserved, u32 low, u32 high, void* overlapped))                                         \
    X(kSleep, Sleep, "kernel32.dll", Standard, void(u32 milliseconds))                                           \
    /* Temporary files: whether the program that made one still runs; the profile */                            \
    /* reader that checks a rewritten copy of a configuration file. */                                          \
    X(kWaitForSingleObject, WaitForSingleObject, "kernel32.dll", Standard, u32(u32 handle, u32 milliseconds))    \
    X(kSetLastError, SetLastError, "kernel32.dll", Standard, void(u32 code))                                     \
    X(kGetPrivateProfileSectionNamesW, GetPrivateProfileSectionNamesW, "kernel32.dll", Standard,                 \
      u32(wchar_t* names, u32 size, const wchar_t* file))                                                        \
    X(kGetPrivateProfileSectionW, GetPrivateProfileSectionW, "kernel32.dll", Standard,                           \
      u32(const wchar_t* section, wchar_t* lines, u32 size, const wchar_t* file))                                \
    /* A running client counts only when it runs as the same user as the tool. */                               \
    X(kOpenProcessToken, OpenProcessToken, "advapi32.dll", Standard, bool(u32 process, u32 access, u32* token))  \
    X(kGetTokenInformation, GetTokenInformation, "advapi32.dll", Standard,                                       \
      bool(u32 token, u32 information_class, void* information, u32 length, u32* returned))                      \
    X(kEqualSid, EqualSid, "advapi32.dll", Standard, bool(const void* first, const void* second))                \
    /* Shared system folders are told apart by identity, whatever name reaches them. */                          \
    X(kGetFileInformationByHandle, GetFileInformationByHandle, "kernel32.dll", Standard,                         \
      bool(u32 file, void* information))                                                                         \
    /* System programs started by full path from the system directory, and waited for */                        \
    /* with the window answering. */                                                                             \
    X(kCreateProcessW, CreateProcessW, "kernel32.dll", Standard,                                                 \
      bool(const wchar_t* application, wchar_t* command_line, void* process_security, void* thread_security,     \
           bool inherit_handles, u32 flags, void* environment, const wchar_t* directory, void* startup,          \
           void* information))                                                                                   \
    X(kMsgWaitForMultipleObjects, MsgWaitForMultipleObjects, "user32.dll", Standard,                             \
      u32(u32 count, const u32* handles, bool wait_all, u32 milliseconds, u32 wake_mask))                        \
    X(kGetExitCodeProcess, GetExitCodeProcess, "kernel32.dll", Standard, bool(u32 process, u32* exit_code))      \
    X(kTerminateProcess, TerminateProcess, "kernel32.dll", Standard, bool(u32 process, u32 exit_code))           \
    /* The permission grant, on a handle of the folder itself, never of what a link names. */                   \
    X(kCreateFileW, CreateFileW, "kernel32.dll", Standard,                                                       \
      u32(const wchar_t* path, u32 access, u32 share, void* security, u32 disposition, u32 flags,               \
          u32 template_file))                                                                                    \
    X(kGetFileAttributesW, GetFileAttributesW, "kernel32.dll", Standard, u32(const wchar_t* path))               \
    X(kGetSecurityInfo, GetSecurityInfo, "Advapi32.dll", Standard,                                               \
      u32(u32 handle, u32 object_type, u32 information, void** owner, void** group, void** access_list,          \
          void** audit_list, void** descriptor))                                                                 \
    X(kSetSecurityInfo, SetSecurityInfo, "Advapi32.dll", Standard,                                               \
      u32(u32 handle, u32 object_type, u32 information, void* owner, void* group, void* access_list,             \
          void* audit_list))                                                                                     \
    X(kConvertSecurityDescriptorToStringSecurityDescriptorW, ConvertSecurityDescriptorToStringSecurityDescriptorW, \
      "Advapi32.dll", Standard, bool(void* descriptor, u32 revision, u32 information, wchar_t** text, u32* length))

enum DllCommand : rt::i32 {
#define TUNER_DLL_INDEX(index, entry, library, convention, signature) index,
    TUNER_DLL_COMMANDS(TUNER_DLL_INDEX)
#undef TUNER_DLL_INDEX
    kDllCommandCount
};

extern const char* const kDllLibraries[kDllCommandCount];
extern const char* const kDllEntries[kDllCommandCount];

// dll::CloseHandle(handle, {routine, site}) calls DLL command kCloseHandle.
namespace dll {

using rt::i32;
using rt::u32;

// A routine a new thread starts in.
using ThreadRoutine = u32(__stdcall*)(void* parameter);

#define TUNER_DLL_FUNCTION(index, entry, library, convention, signature) \
    inline constexpr logic::DllFunction<index, logic::Convention::convention, signature> entry{};
TUNER_DLL_COMMANDS(TUNER_DLL_FUNCTION)
#undef TUNER_DLL_FUNCTION
}  // namespace dll

}  // namespace tuner
