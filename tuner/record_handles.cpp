#include "tuner/record_handles.h"

#include <cstddef>
#include <cstring>
#include <utility>

#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/file_information.h"
#include "tuner/platform_error.h"
#include "tuner/routines.h"

namespace tuner {
namespace {


// Other writers hold the record's lock for one line's write, and the record itself
// no longer than a rename: this long is worth waiting for either.
constexpr rt::u32 kBusyWaitMs = 250;

constexpr logic::Site at(rt::i32 site) { return {kRoutineChangeRecord, site}; }

// The platform's OVERLAPPED, which carries the offset of a lock or a read.
struct Overlapped {
    rt::u32 internal;
    rt::u32 internal_high;
    rt::u32 offset;
    rt::u32 offset_high;
    rt::u32 event;
};
static_assert(sizeof(Overlapped) == 20, "the platform's layout");
constexpr rt::u32 kLockFailImmediately = 0x1;
constexpr rt::u32 kLockExclusive = 0x2;
constexpr rt::u32 kLockOffsetHigh = 0x40000000;  // 2^62: no record reaches it

rt::u32 wide_length(const wchar_t* text) {
    rt::u32 n = 0;
    while (text[n]) ++n;
    return n;
}

// Opens with `disposition`, trying again while another program holds the file in
// a way that excludes this open; a failure leaves its code in `error`.
ToolKernelHandle open_while_busy(const wchar_t* path, rt::u32 access, rt::u32 share, rt::u32 disposition, rt::u32* error) {
    const rt::u32 start = dll::GetTickCount(at(15));
    for (;;) {
        ToolKernelHandle file(dll::CreateFileW(path, access, share, nullptr, disposition, kAttributeNormal | kOpenReparsePoint,
                                               0, at(4)),
                              at(3));
        if (file) return file;
        *error = last_error(at(16));
        if (*error != kSharingViolation && *error != kLockViolation) return {};
        if (dll::GetTickCount(at(15)) - start > kBusyWaitMs) return {};
        dll::Sleep(5, at(17));
    }
}

}  // namespace

RecordFolder::RecordFolder(RecordFolder&& other) noexcept : handle_(std::move(other.handle_)), length_(other.length_) {
    std::memcpy(path_, other.path_, sizeof path_);
    other.length_ = 0;
}

RecordFolder& RecordFolder::operator=(RecordFolder&& other) noexcept {
    if (this != &other) {
        handle_ = std::move(other.handle_);
        std::memcpy(path_, other.path_, sizeof path_);
        length_ = std::exchange(other.length_, 0);
    }
    return *this;
}

RecordFolder RecordFolder::open(const wchar_t* path) {
    RecordFolder folder;
    ToolKernelHandle handle(dll::CreateFileW(path, kReadAttributes | kSynchronize, kShareRead | kShareWrite, nullptr,
                                             kOpenExisting, kBackupSemantics | kOpenReparsePoint, 0, at(18)),
                            at(19));
    if (!handle) return folder;
    AttributeInformation kind = {};
    if (!dll::GetFileInformationByHandleEx(handle.get(), kAttributeInformation, &kind, sizeof kind, at(20)) ||
        !(kind.attributes & kAttributeDirectory) || (kind.attributes & kAttributeReparsePoint))
        return folder;
    const rt::u32 by_path = dll::GetFileAttributesW(path, at(11));
    if (by_path == kNoAttributes || !(by_path & kAttributeDirectory) || (by_path & kAttributeReparsePoint)) return folder;
    rt::u32 n = dll::GetFinalPathNameByHandleW(handle.get(), folder.path_, kPathCapacity, 0, at(21));
    if (n == 0 || n >= kPathCapacity) return folder;
    if (folder.path_[n - 1] == L'\\') folder.path_[--n] = L'\0';  // a drive's root
    folder.length_ = n;
    folder.handle_ = std::move(handle);
    return folder;
}

bool RecordFolder::holds(rt::u32 file) const {
    wchar_t final_path[kPathCapacity + kMaxPath] = {};
    const rt::u32 capacity = sizeof final_path / sizeof final_path[0];
    const rt::u32 n = dll::GetFinalPathNameByHandleW(file, final_path, capacity, 0, at(22));
    if (!handle_ || n == 0 || n >= capacity || n <= length_ + 1) return false;
    if (std::memcmp(final_path, path_, length_ * sizeof(wchar_t)) != 0 || final_path[length_] != L'\\') return false;
    for (rt::u32 i = length_ + 1; i < n; ++i)
        if (final_path[i] == L'\\') return false;
    return true;
}

bool RecordFolder::same_as(const RecordFolder& other) const {
    return handle_ && other.handle_ && length_ == other.length_ &&
           std::memcmp(path_, other.path_, length_ * sizeof(wchar_t)) == 0;
}

bool RecordFolder::path_of(const wchar_t* name, wchar_t* out, rt::u32 capacity) const {
    const rt::u32 name_length = wide_length(name);
    if (!handle_ || length_ + 1 + name_length + 1 > capacity) return false;
    std::memcpy(out, path_, length_ * sizeof(wchar_t));
    out[length_] = L'\\';
    std::memcpy(out + length_ + 1, name, (name_length + 1) * sizeof(wchar_t));
    return true;
}

ToolKernelHandle open_record_to_append(const wchar_t* path) {
    constexpr rt::u32 kAccess = kAppendData | kReadData | kReadAttributes | kSynchronize;
    constexpr rt::u32 kShare = kShareRead | kShareWrite;
    // A new record only where no name is taken at all: an existing name that does not
    // open (a link naming nothing) is never made into a file elsewhere.
    rt::u32 error = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        ToolKernelHandle file = open_while_busy(path, kAccess, kShare, kOpenExisting, &error);
        if (file || error != kFileNotFound) return file;
        file = open_while_busy(path, kAccess, kShare, kCreateNew, &error);
        if (file || error != kFileExists) return file;
    }
    return {};
}

ToolKernelHandle open_record_to_rename(const wchar_t* path) {
    return ToolKernelHandle(dll::CreateFileW(path, kDelete | kReadData | kReadAttributes | kSynchronize,
                                             kShareRead | kShareWrite, nullptr, kOpenExisting,
                                             kAttributeNormal | kOpenReparsePoint, 0, at(4)),
                            at(3));
}

bool plain_record_size(rt::u32 file, const RecordFolder& folder, rt::u64* size) {
    StandardInformation standard = {};
    AttributeInformation kind = {};
    const bool known =
        dll::GetFileInformationByHandleEx(file, kStandardInformation, &standard, sizeof standard, at(5)) &&
        dll::GetFileInformationByHandleEx(file, kAttributeInformation, &kind, sizeof kind, at(5));
    if (!known || (kind.attributes & (kAttributeReparsePoint | kAttributeDirectory)) || standard.links != 1 ||
        !folder.holds(file))
        return false;
    *size = standard.size;
    return true;
}

bool record_size(rt::u32 file, rt::u64* size) {
    StandardInformation standard = {};
    if (!dll::GetFileInformationByHandleEx(file, kStandardInformation, &standard, sizeof standard, at(5))) return false;
    *size = standard.size;
    return true;
}

namespace {

// Reads `length` bytes at `offset` of the open file; false when fewer arrive.
bool read_at(rt::u32 file, rt::u64 offset, char* into, rt::u32 length) {
    Overlapped where = {};
    where.offset = static_cast<rt::u32>(offset);
    where.offset_high = static_cast<rt::u32>(offset >> 32);
    rt::u32 read = 0;
    return dll::ReadFile(file, into, length, &read, &where, at(23)) && read == length;
}

}  // namespace

bool begins_with_mark(rt::u32 file, rt::u64 size) {
    char start[kByteOrderMarkLength] = {};
    return size >= kByteOrderMarkLength && read_at(file, 0, start, kByteOrderMarkLength) &&
           std::memcmp(start, kByteOrderMark, kByteOrderMarkLength) == 0;
}

bool at_line_start(rt::u32 file, rt::u64 size) {
    if (size == 0) return true;
    if (size == kByteOrderMarkLength && begins_with_mark(file, size)) return true;
    char last = 0;
    return read_at(file, size - 1, &last, 1) && last == '\n';
}

bool rename_in_folder(rt::u32 file, const RecordFolder& folder, const wchar_t* name) {
    // By the folder's checked full path: the platform may not take a name relative to
    // the folder's handle, and the held folder cannot change under that path.
    // Room for the folder's path and a long name in it.
    RenameInformation<RecordFolder::kPathCapacity + kMaxPath> rename = {};
    rename.replace_if_exists = 1;
    if (!folder.path_of(name, rename.name, sizeof rename.name / sizeof rename.name[0])) return false;
    // The final path reads \\?\C:\...; the rename takes the system's own form, \??\C:\...
    if (rename.name[0] == L'\\' && rename.name[1] == L'\\' && rename.name[2] == L'?') rename.name[1] = L'?';
    rename.name_bytes = wide_length(rename.name) * sizeof(wchar_t);
    return dll::SetFileInformationByHandle(file, kRenameInformation, &rename, rename.size(), at(6));
}

RecordLock::RecordLock(rt::u32 file, bool wait) : file_(file) {
    const rt::u32 start = dll::GetTickCount(at(24));
    for (;;) {
        Overlapped where = {};
        where.offset_high = kLockOffsetHigh;
        if (dll::LockFileEx(file, kLockExclusive | kLockFailImmediately, 0, 1, 0, &where, at(25))) {
            held_ = true;
            return;
        }
        const rt::u32 waited = dll::GetTickCount(at(24)) - start;
        if (!wait || last_error(at(26)) != kLockViolation || waited > kBusyWaitMs) return;
        dll::Sleep(waited < 20 ? 0 : 1, at(17));  // the holder writes one line: yield first
    }
}

RecordLock::~RecordLock() {
    if (!held_) return;
    Overlapped where = {};
    where.offset_high = kLockOffsetHigh;
    dll::UnlockFileEx(file_, 0, 1, 0, &where, at(27));
}

}  // namespace tuner
