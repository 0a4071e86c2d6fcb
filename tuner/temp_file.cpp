#include "tuner/temp_file.h"

#include <cstdio>
#include <cstring>

#include "logic/commands.h"
#include "tuner/directory_listing.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/platform_error.h"
#include "tuner/routines.h"
#include "tuner/tool_kernel_handle.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

constexpr int kNameTries = 16;
constexpr rt::u32 kNameTooLong = 206;
// ~trivane-<program id, 8 hex digits>-<4 hex digits>, then ".tmp" for a new copy or
// "~<target name>" for an old file moved aside.
constexpr char kPrefix[] = "~trivane-";
constexpr rt::u32 kPrefixLength = sizeof kPrefix - 1;
constexpr rt::u32 kStemLength = kPrefixLength + 8 + 1 + 4;
constexpr char kCopySuffix[] = ".tmp";
constexpr char kAsideMark = '~';

constexpr logic::Site at(rt::i32 site) { return {kRoutineFileReplace, 20 + site}; }

// The ids of processes are reused: a leftover of a program that ended may wait for a
// later run while an unrelated program holds its id.
bool still_running(rt::u32 process_id) {
    if (process_id == dll::GetCurrentProcessId(at(1))) return false;  // ours are never left while we write
    const ToolKernelHandle process(dll::OpenProcess(kSynchronize, false, process_id, at(2)), at(3));
    return process && dll::WaitForSingleObject(process.get(), 0, at(4)) == kWaitTimeout;
}

bool hex_digits(const char* text, rt::u32 count, rt::u32& value) {
    value = 0;
    for (rt::u32 i = 0; i < count; ++i) {
        const char c = text[i];
        const rt::u32 digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 16;
        if (digit == 16) return false;
        value = value * 16 + digit;
    }
    return true;
}

// Whether `name` is one of ours, and if so which program made it.
bool ours(const char* name, rt::u32& process_id) {
    rt::u32 unique = 0;
    if (std::strncmp(name, kPrefix, kPrefixLength) != 0 || std::strlen(name) <= kStemLength ||
        !hex_digits(name + kPrefixLength, 8, process_id) || name[kPrefixLength + 8] != '-' ||
        !hex_digits(name + kPrefixLength + 9, 4, unique))
        return false;
    const char* tail = name + kStemLength;
    return std::strcmp(tail, kCopySuffix) == 0 || (tail[0] == kAsideMark && tail[1]);
}

// Names one of ours: the stem, then `tail`. Empty when it does not fit a path.
bool compose(char (&name)[kMaxPath], const char* folder, rt::u32 unique, const char* tail) {
    const int length = std::snprintf(name, kMaxPath, "%s%s%08lx-%04lx%s", folder, kPrefix,
                                     static_cast<unsigned long>(dll::GetCurrentProcessId(at(5))),
                                     static_cast<unsigned long>(unique & 0xFFFF), tail);
    return length > 0 && static_cast<rt::u32>(length) < kMaxPath;
}

rt::u32 create_named(const char* folder, const char* tail, char (&name)[kMaxPath], rt::u32& error) {
    rt::u32 unique = dll::GetTickCount(at(6));
    error = kNameTooLong;
    for (int i = 0; i < kNameTries; ++i) {
        if (!compose(name, folder, ++unique, tail)) break;
        const WideText wide_name(name);
        const rt::u32 file =
            dll::CreateFileW(wide_name.get(), kGenericWrite, 0, nullptr, kCreateNew, kAttributeNormal, 0, at(7));
        if (file != kInvalidHandle) return file;
        error = last_error(at(90));
    }
    name[0] = '\0';  // names no file of ours
    return kInvalidHandle;
}

// Where the name in `path` starts, after its last backslash. The second byte of a
// double-byte character may equal a backslash, so the text is walked character by
// character.
rt::u32 name_start(const char* path) {
    rt::u32 start = 0;
    for (rt::u32 i = 0; path[i]; ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (c == '\\')
            start = i + 1;
        else if (c >= 0x81 && c <= 0xFE && path[i + 1])
            ++i;
    }
    return start;
}

}  // namespace

logic::Text folder_of(const char* path) {
    const rt::u32 start = name_start(path);
    return start ? logic::Text::first_bytes(path, start) : logic::Text::copy(".\\");
}

rt::u32 create_temp_file(const char* folder, char (&name)[kMaxPath], rt::u32& error) {
    return create_named(folder, kCopySuffix, name, error);
}

bool reserve_aside_name(const char* target, char (&name)[kMaxPath], rt::u32& error) {
    const logic::Text folder = folder_of(target);
    char tail[kMaxPath] = {kAsideMark};
    std::snprintf(tail + 1, sizeof tail - 1, "%s", target + name_start(target));
    ToolKernelHandle file(create_named(folder.get(), tail, name, error), at(8));
    // Where the target's name makes the path too long, the aside is a plain one of ours.
    if (!file && error == kNameTooLong) file = ToolKernelHandle(create_named(folder.get(), kCopySuffix, name, error), at(8));
    if (!file) return false;
    if (file.close()) return true;
    error = last_error(at(91));
    logic::delete_file(name);
    return false;
}

// Ours are named from the tool's texts: a name without a GBK form is someone else's.
void clear_leftovers(const char* folder) {
    const WideText wide_folder(folder);
    if (!wide_folder.get()) return;
    DirectoryListing listing(wide_folder.get(), kRoutineFileReplace);
    while (listing.next()) {
        rt::u32 process_id = 0;
        bool exact = false;
        const logic::Text name = gbk_from_wide(listing.name(), &exact);
        if (!exact || name.empty() || listing.is_directory() || listing.is_reparse_point() || !ours(name.get(), process_id) ||
            still_running(process_id))
            continue;
        const logic::Text path = logic::join({folder, name.get()});
        if (name.get()[kStemLength] == kAsideMark) {
            // The old file, moved aside by a run that ended before the new one was in.
            const logic::Text target = logic::join({folder, name.get() + kStemLength + 1});
            const WideText wide_path(path.get());
            const WideText wide_target(target.get());
            if (dll::GetFileAttributesW(wide_target.get(), at(9)) == kNoAttributes &&
                dll::MoveFileExW(wide_path.get(), wide_target.get(), kMoveWriteThrough, at(10)))
                continue;
        }
        logic::delete_file(path.get());
    }
}

}  // namespace tuner
