#include "tuner/shared_folders.h"

#include <cstring>

#include "logic/calls.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/path_parts.h"
#include "tuner/routines.h"
#include "tuner/tool_kernel_handle.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

constexpr logic::Site at(rt::i32 site) { return {kRoutineSharedFolders, site}; }

// Folders the shell names (CSIDL values).
constexpr rt::u32 kWindowsFolder = 0x24;
constexpr rt::u32 kCommonAppData = 0x23;     // ProgramData
constexpr rt::u32 kProfile = 0x28;           // the user's profile; its parent is the Users folder
constexpr rt::u32 kCommonDocuments = 0x2E;   // Users\Public\Documents
constexpr rt::u32 kProgramFiles = 0x26;      // for a 32-bit program on 64-bit Windows: the x86 one
constexpr rt::u32 kProgramFilesX86 = 0x2A;

// The native Program Files folder, which a 32-bit program learns only from the
// machine's own registry view.
constexpr rt::u32 kLocalMachine = 0x80000002;
constexpr rt::u32 kQueryValue = 0x0001;
constexpr rt::u32 kView64 = 0x0100;
constexpr rt::u32 kRegistryText = 1;
constexpr wchar_t kCurrentVersionKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const wchar_t* kProgramFilesValues[] = {L"ProgramFilesDir", L"ProgramFilesDir (x86)", L"ProgramW6432Dir"};

constexpr rt::u32 kShareAll = 0x7;

constexpr int kMostFolders = 12;

// The folders in the system's own wide form: one may have a name the tool's texts
// cannot hold (a user named in another language).
struct FolderList {
    wchar_t paths[kMostFolders][kMaxPath] = {};
    int count = 0;

    wchar_t* next() { return count < kMostFolders ? paths[count] : nullptr; }
    void keep_if_named() {
        if (count < kMostFolders && paths[count][0]) ++count;
    }
    // Adds the folder holding the last one kept, unless that is a drive root.
    void add_parent_of_last() {
        if (count == 0 || count >= kMostFolders) return;
        const size_t n = parent_length(paths[count - 1]);
        if (n <= 2) return;
        std::memcpy(paths[count], paths[count - 1], n * sizeof(wchar_t));
        paths[count][n] = L'\0';
        ++count;
    }
};

// False when the shell does not name that folder.
bool add_shell_folder(FolderList& list, rt::u32 folder) {
    wchar_t* path = list.next();
    if (!path) return false;
    path[0] = L'\0';
    if (dll::SHGetFolderPathW(0, folder, 0, 0, path, at(1)) != 0) path[0] = L'\0';
    path[kMaxPath - 1] = L'\0';
    const int before = list.count;
    list.keep_if_named();
    return list.count > before;
}

void add_program_files_folders(FolderList& list) {
    rt::u32 key = 0;
    if (dll::RegOpenKeyExW(kLocalMachine, kCurrentVersionKey, 0, kQueryValue | kView64, &key, at(2)) != 0) return;
    for (const wchar_t* value : kProgramFilesValues) {
        wchar_t* path = list.next();
        if (!path) break;
        rt::u32 type = 0;
        rt::u32 size = (kMaxPath - 1) * sizeof(wchar_t);  // in bytes
        const bool read = dll::RegQueryValueExW(key, value, nullptr, &type, path, &size, at(3)) == 0;
        path[read && type == kRegistryText && size / sizeof(wchar_t) < kMaxPath ? size / sizeof(wchar_t) : 0] = L'\0';
        list.keep_if_named();
    }
    dll::RegCloseKey(key, at(4));
}

FolderList shared_folders() {
    FolderList list;
    add_shell_folder(list, kWindowsFolder);
    add_shell_folder(list, kCommonAppData);
    if (add_shell_folder(list, kProfile)) list.add_parent_of_last();  // the Users folder
    if (add_shell_folder(list, kCommonDocuments)) {
        list.add_parent_of_last();  // Users\Public
        list.add_parent_of_last();  // the Users folder again, where the profile lives elsewhere
    }
    add_shell_folder(list, kProgramFiles);
    add_shell_folder(list, kProgramFilesX86);
    add_program_files_folders(list);
    return list;
}

// A folder as the file system knows it: its volume and its number there.
struct FolderIdentity {
    bool known = false;
    rt::u32 volume = 0, index_high = 0, index_low = 0;

    bool operator==(const FolderIdentity& o) const {
        return known && o.known && volume == o.volume && index_high == o.index_high && index_low == o.index_low;
    }
};

FolderIdentity identity_of(const wchar_t* folder) {
    const ToolKernelHandle handle(
        dll::CreateFileW(folder, kReadAttributes, kShareAll, nullptr, kOpenExisting, kBackupSemantics, 0, at(5)), at(7));
    FolderIdentity identity;
    if (!handle) return identity;
    rt::u32 information[13] = {};  // the platform's by-handle file information
    if (!dll::GetFileInformationByHandle(handle.get(), information, at(6))) return identity;
    if (!(information[0] & kAttributeDirectory)) return identity;
    identity.known = true;
    identity.volume = information[7];
    identity.index_high = information[11];
    identity.index_low = information[12];
    return identity;
}

}  // namespace

bool is_shared_system_folder(const char* directory) {
    if (trimmed_length(directory) == 0) return false;
    const WideText wide_directory(directory);
    if (!wide_directory.get()) return false;
    const FolderList list = shared_folders();
    for (int i = 0; i < list.count; ++i)
        if (same_path_text(wide_directory.get(), list.paths[i])) return true;
    const FolderIdentity install = identity_of(wide_directory.get());
    if (!install.known) return false;
    for (int i = 0; i < list.count; ++i)
        if (identity_of(list.paths[i]) == install) return true;
    return false;
}

}  // namespace tuner
