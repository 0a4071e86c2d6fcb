// Working on a client's files by checked handles. The client's folders belong to the
// user, and any program of the user may swap one of them for a link at any moment;
// the tool works there elevated, so every folder it works in is held open itself and
// every file or folder it changes is opened without following a link and checked, on
// its own handle, to be the one its path meant: its final path, which names where a
// link leads, must equal that path.
#pragma once
#include "logic/values.h"
#include "tuner/platform_error.h"
#include "tuner/tool_kernel_handle.h"

namespace tuner {

// Whether the open `handle`'s final path is `path`: letter case, a trailing backslash
// and doubled backslashes aside.
bool final_path_is(rt::u32 handle, const wchar_t* path);

// A folder opened itself (a link in its place is refused, not followed), checked to be
// the folder its path names, and held without delete sharing so that it cannot be
// renamed or moved away while it is held.
class HeldFolder {
public:
    HeldFolder() = default;
    HeldFolder(HeldFolder&&) noexcept = default;
    HeldFolder& operator=(HeldFolder&&) noexcept = default;
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;

    // Empty when refused: `error()` then says why (kStoppedOnLink for a link or a
    // folder that is not where its path says, otherwise the platform's code). The
    // path is the file system's wide name or one of the tool's GBK texts.
    static HeldFolder open(const wchar_t* path);
    static HeldFolder open(const char* path);

    explicit operator bool() const { return static_cast<bool>(handle_); }
    rt::u32 error() const { return error_; }
    // Refused because nothing is there: a step goes on as without the folder.
    bool missing() const;

    // The folder's own handle (it may list the folder), while this holds it.
    rt::u32 handle() const { return handle_.get(); }

private:
    ToolKernelHandle handle_;
    rt::u32 error_ = 0;
};

// Deletes the file `path` on a handle of its own: not a link, not a folder, and lying
// where its path says. False with the reason in `error` otherwise. The handle shares
// nothing, so of two deleters at once only one succeeds.
bool delete_checked_file(const wchar_t* path, rt::u32& error);

// Renames the folder `path` on its own handle, checked like a held folder, to
// `new_path` (which must not exist yet). False with the reason in `error` otherwise.
bool rename_checked_folder(const char* path, const char* new_path, rt::u32& error);

// For a file about to be replaced: true when nothing is at `path`, or a file that is
// neither a link nor a folder and lies where its path says. False with the reason in
// `error` otherwise.
bool checked_or_absent(const char* path, rt::u32& error);

}  // namespace tuner
