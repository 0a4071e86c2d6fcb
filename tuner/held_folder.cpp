#include "tuner/held_folder.h"

#include <cstddef>
#include <cstring>
#include <cwchar>

#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/file_information.h"
#include "tuner/platform_error.h"
#include "tuner/routines.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

constexpr rt::u32 kPathCapacity = 1024;

constexpr logic::Site at(rt::i32 site) { return {kRoutineCheckedPaths, site}; }

wchar_t fold(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

// `path` as the platform writes final paths: no doubled and no trailing backslash.
rt::u32 normalised(const wchar_t* path, wchar_t* out, rt::u32 capacity) {
    if (!path) return 0;
    rt::u32 n = 0;
    for (const wchar_t* p = path; *p; ++p) {
        if (*p == L'\\' && n > 0 && out[n - 1] == L'\\') continue;
        if (n + 1 >= capacity) return 0;
        out[n++] = *p;
    }
    while (n > 0 && out[n - 1] == L'\\') --n;
    out[n] = L'\0';
    return n;
}

// What the handle is, on the handle; a link or the wrong kind is refused.
bool kind_is(rt::u32 handle, bool folder, rt::u32& error) {
    AttributeInformation kind = {};
    if (!dll::GetFileInformationByHandleEx(handle, kAttributeInformation, &kind, sizeof kind, at(2))) {
        error = last_error(at(90));
        return false;
    }
    if (kind.attributes & kAttributeReparsePoint) {
        error = kStoppedOnLink;
        return false;
    }
    if (static_cast<bool>(kind.attributes & kAttributeDirectory) != folder) {
        error = folder ? kNotADirectory : kAccessDenied;
        return false;
    }
    return true;
}

// Opened without following a link, then checked: its kind on the handle, no link by
// its path (a platform that follows links on such an open still shows them by path),
// and its final path the one meant.
ToolKernelHandle open_checked(const wchar_t* path, rt::u32 access, rt::u32 share, bool folder, rt::u32& error) {
    if (!path) {
        error = kPathNotFound;
        return ToolKernelHandle();
    }
    const rt::u32 flags = kOpenReparsePoint | (folder ? kBackupSemantics : kAttributeNormal);
    ToolKernelHandle handle(dll::CreateFileW(path, access, share, nullptr, kOpenExisting, flags, 0, at(1)), at(3));
    if (!handle) {
        error = last_error(at(91));
        return handle;
    }
    if (!kind_is(handle.get(), folder, error)) return ToolKernelHandle();
    const rt::u32 by_path = dll::GetFileAttributesW(path, at(4));
    if (by_path != kNoAttributes && (by_path & kAttributeReparsePoint)) {
        error = kStoppedOnLink;
        return ToolKernelHandle();
    }
    if (!final_path_is(handle.get(), path)) {
        error = kStoppedOnLink;
        return ToolKernelHandle();
    }
    return handle;
}

}  // namespace

bool final_path_is(rt::u32 handle, const wchar_t* path) {
    wchar_t meant[kPathCapacity];
    wchar_t final_path[kPathCapacity];
    const rt::u32 n = normalised(path, meant, kPathCapacity);
    rt::u32 got = dll::GetFinalPathNameByHandleW(handle, final_path, kPathCapacity, 0, at(5));
    if (n == 0 || got == 0 || got >= kPathCapacity) return false;
    while (got > 0 && final_path[got - 1] == L'\\') final_path[--got] = L'\0';  // a drive's root
    // The final path reads \\?\C:\...; the path meant, C:\...
    const wchar_t* f = final_path;
    if (std::wcsncmp(f, L"\\\\?\\", 4) == 0) f += 4;
    for (rt::u32 i = 0; i <= n; ++i)
        if (fold(f[i]) != fold(meant[i])) return false;
    return true;
}

HeldFolder HeldFolder::open(const char* path) {
    const WideText wide(path);
    return open(wide.get());
}

HeldFolder HeldFolder::open(const wchar_t* path) {
    HeldFolder folder;
    folder.handle_ =
        open_checked(path, kListDirectory | kReadAttributes | kSynchronize, kShareRead | kShareWrite, true, folder.error_);
    return folder;
}

bool HeldFolder::missing() const { return !handle_ && (error_ == kFileNotFound || error_ == kPathNotFound); }

bool delete_checked_file(const wchar_t* path, rt::u32& error) {
    const ToolKernelHandle file = open_checked(path, kDelete | kReadAttributes | kSynchronize, 0, false, error);
    unsigned char delete_it = 1;  // the platform's FILE_DISPOSITION_INFO
    if (!file) return false;
    if (dll::SetFileInformationByHandle(file.get(), kDispositionInformation, &delete_it, sizeof delete_it, at(6)))
        return true;
    error = last_error(at(92));
    return false;
}

bool rename_checked_folder(const char* path, const char* new_path, rt::u32& error) {
    const WideText wide_path(path);
    const WideText wide_new_path(new_path);
    const ToolKernelHandle folder =
        open_checked(wide_path.get(), kDelete | kReadAttributes | kSynchronize, kShareRead | kShareWrite, true, error);
    if (!folder) return false;
    RenameInformation<kPathCapacity> rename = {};
    // The rename takes the system's own form of a full path, \??\C:\...
    std::memcpy(rename.name, L"\\??\\", 4 * sizeof(wchar_t));
    const rt::u32 n = normalised(wide_new_path.get(), rename.name + 4, kPathCapacity - 4);
    if (n == 0) {
        error = kAccessDenied;
        return false;
    }
    rename.name_bytes = (n + 4) * sizeof(wchar_t);
    if (dll::SetFileInformationByHandle(folder.get(), kRenameInformation, &rename, rename.size(), at(7)))
        return true;
    error = last_error(at(93));
    return false;
}

bool checked_or_absent(const char* path, rt::u32& error) {
    const WideText wide(path);
    if (dll::GetFileAttributesW(wide.get(), at(8)) == kNoAttributes) {
        const rt::u32 code = last_error(at(94));
        if (code == kFileNotFound || code == kPathNotFound) return true;
    }
    return static_cast<bool>(open_checked(wide.get(), kReadAttributes | kSynchronize, kShareRead | kShareWrite | kShareDelete,
                                          false, error));
}

}  // namespace tuner
