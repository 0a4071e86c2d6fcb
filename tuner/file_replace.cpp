#include "tuner/file_replace.h"

#include <utility>

#include "logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/kernel_handle.h"
#include "tuner/platform_error.h"
#include "tuner/routines.h"

namespace tuner {
namespace {

constexpr rt::u32 kGenericRead = 0x80000000;
constexpr rt::u32 kGenericWrite = 0x40000000;
constexpr rt::u32 kCreateNew = 1;
constexpr rt::u32 kOpenExisting = 3;
constexpr rt::u32 kChunk = 4096;
constexpr rt::u32 kAccessDenied = 5;
constexpr int kNameTries = 16;
constexpr char kTempPrefix[] = "trv";

constexpr logic::Site at(rt::i32 site) { return {kRoutineFileReplace, site}; }

rt::u32 attributes_of(const char* path) { return dll::GetFileAttributesA(path, at(1)); }

// Keeps the platform's code for the step that just failed.
bool failed(rt::u32& error) {
    error = last_error();
    return false;
}

// An open file, closed exactly once.
KernelHandle file_handle(rt::u32 handle) { return KernelHandle(handle, at(2)); }

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

// The folder of `path` with its closing backslash, or "." for a bare name. The
// second byte of a double-byte character may equal a backslash, so the text is
// walked character by character.
logic::Text folder_of(const char* path) {
    rt::u32 cut = 0;
    for (rt::u32 i = 0; path[i]; ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (c == '\\')
            cut = i + 1;
        else if (c >= 0x81 && path[i + 1])
            ++i;
    }
    return cut ? logic::Text::first_bytes(path, cut) : logic::Text::copy(".");
}

// A new, empty file in `folder`, open for writing. It is made by the open itself
// (CREATE_NEW), so a name planted in the meantime, such as a link to a file
// elsewhere, is never written through.
rt::u32 create_sibling(const char* folder, char (&name)[kMaxPath], rt::u32& error) {
    rt::u32 unique = dll::GetTickCount(at(4));
    for (int i = 0; i < kNameTries; ++i) {
        unique = (unique + 1) & 0xFFFF;
        if (unique == 0) unique = 1;
        if (!dll::GetTempFileNameA(folder, kTempPrefix, unique, name, at(5))) break;
        const rt::u32 file = dll::CreateFileA(name, kGenericWrite, 0, nullptr, kCreateNew, kAttributeNormal, 0, at(6));
        if (file != kInvalidHandle) return file;
    }
    failed(error);
    return kInvalidHandle;
}

// Puts the finished temporary file in the target's place. ReplaceFileA keeps the
// target's security settings, attributes and creation time; it first moves the
// target aside, and when its last step fails (the platform's error 1177) the target
// is left under the aside name: it is moved back then. A target that is gone after a
// failed replace says the same without asking for the error code.
bool swap_in(const char* temp, const char* target, const char* folder, rt::u32& error) {
    if (attributes_of(target) == kInvalidHandle)
        return dll::MoveFileExA(temp, target, kMoveWriteThrough, at(7)) || failed(error);
    char aside[kMaxPath] = {};
    if (!dll::GetTempFileNameA(folder, kTempPrefix, 0, aside, at(8))) return failed(error);
    const bool replaced = dll::ReplaceFileA(target, temp, aside, 0, nullptr, nullptr, at(9)) || failed(error);
    // Until the original is back in its place, the aside name keeps it.
    if (!replaced && attributes_of(target) == kInvalidHandle &&
        !dll::MoveFileExA(aside, target, kMoveWriteThrough, at(10)))
        return false;
    logic::delete_file(aside);
    return replaced;
}

template <typename Fill>
bool replace_with(const char* target, rt::u32& error, Fill fill) {
    // A read-only target stays as it is, as the plain write to file leaves it.
    const rt::u32 existing = attributes_of(target);
    if (existing != kInvalidHandle && (existing & (kAttributeReadOnly | kAttributeDirectory))) {
        error = kAccessDenied;
        return false;
    }
    const logic::Text folder = folder_of(target);
    char temp[kMaxPath] = {};
    KernelHandle file = file_handle(create_sibling(folder.get(), temp, error));
    if (!file) return false;
    const bool written = fill(file.get()) && (dll::FlushFileBuffers(file.get(), at(11)) || failed(error));
    // A file the platform could not finish is not swapped in.
    if ((file.close() || failed(error)) && written && swap_in(temp, target, folder.get(), error)) return true;
    logic::delete_file(temp);
    return false;
}

}  // namespace

bool is_regular_file(const char* path) {
    const rt::u32 attributes = attributes_of(path);
    return attributes != kInvalidHandle && !(attributes & kAttributeDirectory);
}

bool replace_file_contents(const char* target, const void* data, rt::u32 length, rt::u32* error) {
    rt::u32 ignored = 0;
    rt::u32& code = error ? *error : ignored;
    const auto* bytes = static_cast<const unsigned char*>(data);
    return replace_with(target, code, [&](rt::u32 file) { return write_all(file, bytes, length, code); });
}

bool replace_file_with_copy(const char* source, const char* target, rt::u32* error) {
    rt::u32 ignored = 0;
    rt::u32& code = error ? *error : ignored;
    const KernelHandle from =
        file_handle(dll::CreateFileA(source, kGenericRead, kShareRead, nullptr, kOpenExisting, kAttributeNormal, 0, at(12)));
    if (!from) return failed(code);
    return replace_with(target, code, [&](rt::u32 file) {
        unsigned char chunk[kChunk];
        for (;;) {
            rt::u32 got = 0;
            if (!dll::ReadFile(from.get(), chunk, kChunk, &got, nullptr, at(13))) return failed(code);
            if (got == 0) return true;
            if (got > kChunk || !write_all(file, chunk, got, code)) return false;
        }
    });
}

}  // namespace tuner
