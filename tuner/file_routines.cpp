#include "tuner/file_routines.h"

#include <cstring>
#include <cwchar>
#include <mutex>

#include "logic/commands.h"
#include "tuner/change_record.h"
#include "tuner/directory_listing.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/held_folder.h"
#include "tuner/held_listing.h"
#include "tuner/path_parts.h"
#include "tuner/platform_error.h"
#include "tuner/routines.h"
#include "tuner/texts.h"
#include "tuner/tool_kernel_handle.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

// The deletions of a log cleanup go to the change record at once; the disk flush of
// those lines runs at most this often, and once more when the cleanup ends.
constexpr rt::u32 kDeletionFlushIntervalMs = 50;

// The process's first visible top-level window without a parent, looked for for at
// most `limit_ms`; events are processed between windows that do not qualify.
rt::u32 own_top_window(rt::u32 limit_ms) {
    const logic::Site site = {kRoutineTimedMessageBox, 1};
    const rt::u32 pid = dll::GetCurrentProcessId(site);
    const rt::u32 start = dll::GetTickCount(site);
    rt::u32 window = 0;
    while ((window = dll::FindWindowExW(0, window, nullptr, nullptr, site)) != 0) {
        if (dll::GetTickCount(site) - start > limit_ms) return 0;
        if (!dll::IsWindowVisible(window, site)) continue;
        rt::u32 owner_pid = 0;
        dll::GetWindowThreadProcessId(window, &owner_pid, site);
        if (owner_pid == pid && dll::GetParent(window, site) == 0) return window;
        logic::process_events();
    }
    return 0;
}

struct Deletion {
    const wchar_t* pattern;
    bool recurse;
    const std::atomic<bool>* stop;
    ChangeRecord* record;
    // The walk's threads share one record: a line goes in whole, never interleaved.
    std::mutex* record_lock;
};

void record_deletion(const Deletion& d, const wchar_t* subject, bool deleted, rt::u32 error) {
    const std::wstring entry = change_entry(Change::Delete, subject, deleted, error);
    const std::lock_guard<std::mutex> hold(*d.record_lock);
    d.record->append_entry(entry.c_str());
}

// One folder, on whichever thread visits it: its matching files go before its
// subfolders are handed to the walk (not those named with a leading dot, nor reparse
// points). The folder is held, and listed through the held handle, while its files
// go; one that is not where its path says (a link swapped in after it was listed) is
// left whole with a failed line; one gone meanwhile has nothing left to delete. Each file goes on a checked handle of its
// own (held_folder.h), and its line is handed to the system before the next file goes,
// so an abrupt end leaves at most the deletions under way without one.
void delete_in_folder(const wchar_t* folder, FolderVisit& visit, const void* deletion) {
    const auto& d = *static_cast<const Deletion*>(deletion);
    const HeldFolder held = HeldFolder::open(folder);
    if (!held) {
        if (!held.missing()) record_deletion(d, folder, false, held.error());
        return;
    }
    HeldListing listing(held, kRoutineDeleteFiles);
    while (!d.stop->load(std::memory_order_relaxed) && listing.next()) {
        if (listing.is_directory()) {
            if (d.recurse && !listing.is_reparse_point() && listing.name()[0] != L'.')
                visit.subfolders.push_back(listing.name());
        } else if (matches_pattern(listing.name(), d.pattern)) {
            const std::wstring file = std::wstring(folder) + listing.name();
            rt::u32 error = 0;
            const bool deleted = delete_checked_file(file.c_str(), error);
            if (deleted) ++visit.count;
            record_deletion(d, file.c_str(), deleted, error);
        }
    }
}

}  // namespace

bool matches_pattern(const wchar_t* name, const wchar_t* pattern) {
    // Iterative matching with one backtrack point for the last '*'.
    const wchar_t* star = nullptr;
    const wchar_t* resume = nullptr;
    while (*name) {
        if (*pattern == L'*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == L'?' || (*pattern && fold_letter(*pattern) == fold_letter(*name))) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == L'*') ++pattern;
    return *pattern == L'\0';
}

bool prepare_deletion(logic::Text& directory, const char* pattern) {
    if (logic::find_text(pattern, ".") == -1) {
        timed_message_box(kBadPattern);
        return false;
    }
    if (!ends_in_separator(directory.get())) directory = logic::join({directory.get(), "\\"});
    return true;
}

rt::i32 delete_matching_files(const char* directory, const char* pattern, bool recurse,
                              const std::atomic<bool>& stop) {
    ChangeRecord record = ChangeRecord::of_user();
    record.flush_at_most_every(kDeletionFlushIntervalMs);
    std::mutex record_lock;
    // The conversions bind on this thread, before the walk's helpers call them.
    const WideText wide_directory(directory);
    const WideText wide_pattern(pattern);
    if (!wide_directory.get() || !wide_pattern.get()) return 0;
    utf8_from_wide(wide_pattern.get());
    const Deletion deletion = {wide_pattern.get(), recurse, &stop, &record, &record_lock};
    const FolderWalkSteps steps = {delete_in_folder, nullptr};
    last_error({kRoutineDeleteFiles, 90});  // bound on this thread, before the walk's helpers read it
    return walk_folders(wide_directory.get(), steps, &deletion, stop, kRoutineDeleteFiles).count;
}

rt::i32 delete_files_by_pattern(logic::Text& directory, const char* pattern, bool recurse, rt::i32 count) {
    if (!prepare_deletion(directory, pattern)) return 0;
    static const std::atomic<bool> kNeverStop{false};
    return count + delete_matching_files(directory.get(), pattern, recurse, kNeverStop);
}

bool is_drive_root(const char* path) {
    if (!path) return false;
    size_t n = std::strlen(path);
    while (n > 0 && path[n - 1] == '\\') --n;
    const char letter = fold_letter(path[0]);
    return n == 2 && letter >= 'a' && letter <= 'z' && path[1] == ':';
}

bool is_directory(const char* path) {
    constexpr rt::u32 kDirectoryAttribute = 16;
    const WideText wide(path);
    return dll::PathIsDirectoryW(wide.get(), {kRoutineDirectoryCheck, 1}) == kDirectoryAttribute;
}

bool make_directory_path(const char* path) {
    const logic::Site site = {kRoutineMakeDirectoryPath, 1};
    const WideText wide(path);
    const wchar_t* source = wide.get();
    const rt::u32 bytes = source ? static_cast<rt::u32>((std::wcslen(source) + 1) * 2) : 0;
    if (bytes < 8) return is_directory(path);

    constexpr rt::u32 kZeroInit = 0x40;
    auto* buffer = static_cast<wchar_t*>(dll::LocalAlloc(kZeroInit, bytes + 2, site));
    if (!buffer) return is_directory(path);
    bool first_backslash = true;
    for (rt::u32 i = 0;; ++i) {
        const wchar_t c = source[i];
        if (c == L'\\') {
            if (!first_backslash) dll::CreateDirectoryW(buffer, nullptr, site);  // the prefix so far
            first_backslash = false;
        } else if (c == L'\0') {
            dll::CreateDirectoryW(buffer, nullptr, site);
            break;
        }
        buffer[i] = c;
    }
    dll::LocalFree(buffer, site);
    return is_directory(path);
}

rt::i32 timed_message_box(const char* text, std::optional<rt::i32> style, std::optional<const char*> title,
                          std::optional<rt::u32> owner, std::optional<rt::i32> timeout_ms) {
    constexpr rt::u32 kOwnerLookupLimit = 1000;
    const rt::u32 owner_window = owner ? *owner : own_top_window(kOwnerLookupLimit);
    const WideText wide_text(text);
    const WideText wide_title(title ? *title : kFriendlyReminder);
    const rt::i32 pressed = dll::MessageBoxTimeoutW(owner_window, wide_text.get(), wide_title.get(),
                                                    static_cast<rt::u32>(style ? *style : 0), 0,
                                                    static_cast<rt::u32>(timeout_ms ? *timeout_ms : 5000),
                                                    {kRoutineTimedMessageBox, 2});
    return pressed - 1;
}

}  // namespace tuner
