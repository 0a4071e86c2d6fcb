// The change record's folder and file on checked handles. The folder lies in the
// user's own profile, where any program of the user may put a link in its place; the
// tool writes there elevated, so nothing in it is used by a path alone: the folder is
// held open itself while the record is used, and every file opened by path in it is
// checked on its own handle to lie in it.
#pragma once
#include "logic/values.h"
#include "tuner/tool_kernel_handle.h"

namespace tuner {

// The folder, opened itself (a link in its place is refused, not followed) and held
// without delete sharing, so it cannot be renamed or swapped while it is held.
class RecordFolder {
public:
    RecordFolder() = default;
    RecordFolder(RecordFolder&& other) noexcept;
    RecordFolder& operator=(RecordFolder&& other) noexcept;
    RecordFolder(const RecordFolder&) = delete;
    RecordFolder& operator=(const RecordFolder&) = delete;

    // Opens `path` and checks it: a directory and no reparse point, on its handle and
    // by its path (a platform that opens what a link names still shows the link by
    // path). Empty when refused.
    static RecordFolder open(const wchar_t* path);

    explicit operator bool() const { return static_cast<bool>(handle_); }
    // Whether the open `file` lies directly in this folder, by its final path.
    bool holds(rt::u32 file) const;
    // Whether `other` is this same folder, by final path.
    bool same_as(const RecordFolder& other) const;
    // This folder's final path with `name` behind it, into `out` (`capacity` characters,
    // NUL-terminated); false when it does not fit.
    bool path_of(const wchar_t* name, wchar_t* out, rt::u32 capacity) const;

    static constexpr rt::u32 kPathCapacity = 512;

private:
    ToolKernelHandle handle_;
    wchar_t path_[kPathCapacity] = {};  // final path, without a trailing backslash
    rt::u32 length_ = 0;
};

// The record opened for appending, shared with other readers and writers (but not
// with deletion, so no one renames it away while it is written); an existing file is
// opened, a missing one made new, never through a link left dangling in its place.
// Busy files are tried again for a short while. None when it cannot be opened.
ToolKernelHandle open_record_to_append(const wchar_t* path);
// The record opened for renaming (and reading its start): only when no one else holds it.
ToolKernelHandle open_record_to_rename(const wchar_t* path);

// The size of a plain record in `folder`: no reparse point, no other hard link. False
// for anything else.
bool plain_record_size(rt::u32 file, const RecordFolder& folder, rt::u64* size);
// The size now, as other writers left it.
bool record_size(rt::u32 file, rt::u64* size);
// The record's encoding is UTF-8, marked by these bytes at its start.
inline constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
inline constexpr rt::u32 kByteOrderMarkLength = 3;

// Whether the `size` bytes of the record begin with the byte-order mark.
bool begins_with_mark(rt::u32 file, rt::u64 size);
// Whether the next line of a record of `size` bytes starts a line of its own: the
// record is empty, holds just the mark, or ends with a line break (a line cut short
// by a full disk does not).
bool at_line_start(rt::u32 file, rt::u64 size);

// Renames the open `file` to `name` in `folder`, replacing a file of that name there.
bool rename_in_folder(rt::u32 file, const RecordFolder& folder, const wchar_t* name);

// The writers' lock on an open record, so that whole lines follow each other even
// where the platform does not append atomically. Its byte lies far past any record's
// end, so readers are never blocked. Waits a short while for another writer; a lock
// held longer than that by anyone is given up on rather than waited for.
class RecordLock {
public:
    RecordLock(rt::u32 file, bool wait);
    ~RecordLock();
    RecordLock(const RecordLock&) = delete;
    RecordLock& operator=(const RecordLock&) = delete;
    bool held() const { return held_; }

private:
    rt::u32 file_;
    bool held_ = false;
};

}  // namespace tuner
