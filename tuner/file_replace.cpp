#include "tuner/file_replace.h"

#include <vector>

#include "logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/held_folder.h"
#include "tuner/platform_error.h"
#include "tuner/routines.h"
#include "tuner/temp_file.h"
#include "tuner/tool_kernel_handle.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

constexpr rt::u32 kBasicInformation = 0;
constexpr rt::u32 kChunk = 65536;

constexpr logic::Site at(rt::i32 site) { return {kRoutineFileReplace, site}; }

rt::u32 attributes_of(const char* path) {
    const WideText wide(path);
    return dll::GetFileAttributesW(wide.get(), at(1));
}

// The platform's rename, by the tool's texts; a failure's code goes to `error` when
// one is asked for.
bool move_file(const char* from, const char* to, rt::u32* error, logic::Site site) {
    const WideText wide_from(from);
    const WideText wide_to(to);
    if (dll::MoveFileExW(wide_from.get(), wide_to.get(), kMoveWriteThrough, site)) return true;
    if (error) *error = last_error(at(90));
    return false;
}

// Keeps the platform's code for the step that just failed.
bool failed(rt::u32& error) {
    error = last_error(at(91));
    return false;
}

bool refused(rt::u32& error) {
    error = kAccessDenied;
    return false;
}

// An open file, closed exactly once.
ToolKernelHandle file_handle(rt::u32 handle) { return ToolKernelHandle(handle, at(2)); }

bool write_all(rt::u32 file, const unsigned char* data, rt::u32 length, rt::u32& error) {
    while (length > 0) {
        rt::u32 written = 0;
        if (!dll::WriteFile(file, data, length, &written, nullptr, at(3)) || written == 0 || written > length)
            return failed(error);
        data += written;
        length -= written;
    }
    return true;
}

// The platform's basic information record of an open file.
struct BasicInformation {
    rt::u64 times[4];
    rt::u32 attributes;
    rt::u32 padding;
};

// `path` opened for reading on a handle that is a regular file: the open does not
// follow a link, and what it opened is checked, not the name.
ToolKernelHandle open_regular_file(const char* path, rt::u32& error) {
    const WideText wide(path);
    ToolKernelHandle file = file_handle(
        dll::CreateFileW(wide.get(), kGenericRead, kShareRead, nullptr, kOpenExisting, kOpenReparsePoint, 0, at(12)));
    if (!file) {
        failed(error);
        return file;
    }
    BasicInformation info = {};
    if (!dll::GetFileInformationByHandleEx(file.get(), kBasicInformation, &info, sizeof info, at(14))) {
        failed(error);
        return ToolKernelHandle();
    }
    if (info.attributes & (kAttributeDirectory | kAttributeReparsePoint)) {
        refused(error);
        return ToolKernelHandle();
    }
    // A platform that follows a link on this open still names where it led.
    if (!final_path_is(file.get(), wide.get())) {
        error = kStoppedOnLink;
        return ToolKernelHandle();
    }
    return file;
}

bool copy_all(rt::u32 from, rt::u32 to, rt::u32& error) {
    std::vector<unsigned char> chunk(kChunk);
    for (;;) {
        rt::u32 got = 0;
        if (!dll::ReadFile(from, chunk.data(), kChunk, &got, nullptr, at(13))) return failed(error);
        if (got == 0) return true;
        if (got > kChunk || !write_all(to, chunk.data(), got, error)) return false;
    }
}

// A temporary file in `folder` holding what `fill` writes, flushed and closed: a file
// the platform could not finish is never renamed. Its name is in `temp` whenever one
// was made, so the caller deletes it on failure.
template <typename Fill>
bool write_temp_file(const char* folder, char (&temp)[kMaxPath], rt::u32& error, Fill fill) {
    ToolKernelHandle file = file_handle(create_temp_file(folder, temp, error));
    if (!file) return false;
    const bool written = fill(file.get()) && (dll::FlushFileBuffers(file.get(), at(11)) || failed(error));
    return (file.close() || failed(error)) && written;
}

// Puts the finished temporary file in the target's place. ReplaceFileW keeps the
// target's security settings, attributes and creation time; it first moves the
// target aside, and when its last step fails (the platform's error 1177) the target
// is left under the aside name: it is moved back then. A target that is gone after a
// failed replace says the same without asking for the error code.
bool swap_in(const char* temp, const char* target, rt::u32& error) {
    if (attributes_of(target) == kNoAttributes) return move_file(temp, target, &error, at(7));
    char aside[kMaxPath] = {};
    if (!reserve_aside_name(target, aside, error)) return false;
    const WideText wide_target(target), wide_temp(temp), wide_aside(aside);
    const bool replaced =
        dll::ReplaceFileW(wide_target.get(), wide_temp.get(), wide_aside.get(), 0, nullptr, nullptr, at(9)) ||
        failed(error);
    // Until the original is back in its place, the aside name keeps it.
    if (!replaced && attributes_of(target) == kNoAttributes && !move_file(aside, target, nullptr, at(10))) return false;
    logic::delete_file(aside);
    return replaced;
}

// A read-only target stays as it is, as the plain write to file leaves it. A target
// that is a link, or is reached through one, is never replaced.
bool writable_target(const char* target, rt::u32& error) {
    if (!checked_or_absent(target, error)) return false;
    const rt::u32 existing = attributes_of(target);
    return existing == kNoAttributes || !(existing & (kAttributeReadOnly | kAttributeDirectory)) || refused(error);
}

// What ended runs left goes first: an old file they had moved aside is back in its
// place before anything looks at the target.
logic::Text cleared_folder_of(const char* path) {
    logic::Text folder = folder_of(path);
    clear_leftovers(folder.get());
    return folder;
}

template <typename Fill>
bool replace_with(const char* target, rt::u32& error, Fill fill) {
    const logic::Text folder = cleared_folder_of(target);
    if (!writable_target(target, error)) return false;
    char temp[kMaxPath] = {};
    if (write_temp_file(folder.get(), temp, error, fill) && swap_in(temp, target, error)) return true;
    if (temp[0]) logic::delete_file(temp);
    return false;
}

rt::u32& code_in(rt::u32* error, rt::u32& ignored) { return error ? *error : ignored; }

}  // namespace

bool is_regular_file(const char* path) {
    const rt::u32 attributes = attributes_of(path);
    return attributes != kNoAttributes && !(attributes & (kAttributeDirectory | kAttributeReparsePoint));
}

bool replace_file_contents(const char* target, const void* data, rt::u32 length, rt::u32* error) {
    rt::u32 ignored = 0;
    rt::u32& code = code_in(error, ignored);
    const auto* bytes = static_cast<const unsigned char*>(data);
    return replace_with(target, code, [&](rt::u32 file) { return write_all(file, bytes, length, code); });
}

bool replace_file_with_copy(const char* source, const char* target, rt::u32* error) {
    rt::u32 ignored = 0;
    rt::u32& code = code_in(error, ignored);
    const ToolKernelHandle from = open_regular_file(source, code);
    if (!from) return false;
    return replace_with(target, code, [&](rt::u32 file) { return copy_all(from.get(), file, code); });
}

bool make_backup(const char* source, const char* backup, rt::u32* error) {
    rt::u32 ignored = 0;
    rt::u32& code = code_in(error, ignored);
    const logic::Text folder = cleared_folder_of(backup);
    const ToolKernelHandle from = open_regular_file(source, code);
    if (!from) return false;
    char temp[kMaxPath] = {};
    // Without the replace flag the rename never takes the place of a backup that
    // appeared meanwhile.
    if (write_temp_file(folder.get(), temp, code, [&](rt::u32 file) { return copy_all(from.get(), file, code); }) &&
        move_file(temp, backup, &code, at(15)))
        return true;
    if (temp[0]) logic::delete_file(temp);
    return false;
}

bool rewrite_through_copy(const char* target, Rewrite rewrite, const void* context, rt::u32* error) {
    rt::u32 ignored = 0;
    rt::u32& code = code_in(error, ignored);
    const logic::Text folder = cleared_folder_of(target);
    if (!writable_target(target, code)) return false;
    ToolKernelHandle from;
    if (attributes_of(target) != kNoAttributes && !(from = open_regular_file(target, code))) return false;
    char temp[kMaxPath] = {};
    const auto copy = [&](rt::u32 file) { return !from || copy_all(from.get(), file, code); };
    bool done = write_temp_file(folder.get(), temp, code, copy);
    from.close();
    if (done) done = rewrite(target, temp, context, code);
    if (done) {
        // What the rewrite wrote reaches the disk before the copy takes the target's place.
        const WideText wide_temp(temp);
        ToolKernelHandle file = file_handle(
            dll::CreateFileW(wide_temp.get(), kGenericWrite, 0, nullptr, kOpenExisting, kAttributeNormal, 0, at(16)));
        done = (file || failed(code)) && (dll::FlushFileBuffers(file.get(), at(17)) || failed(code)) &&
               (file.close() || failed(code)) && swap_in(temp, target, code);
    }
    if (!done && temp[0]) logic::delete_file(temp);
    return done;
}

}  // namespace tuner
