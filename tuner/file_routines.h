// The file routines the Cross step and the log cleanup share: delete files by
// pattern, directory check, make directory path, and the timed message box.
#pragma once
#include <atomic>
#include <optional>

#include "logic/values.h"

namespace tuner {

// Deletes every file below `directory` whose own name matches `pattern` ('*' and '?',
// letter case ignored; short 8.3 aliases never match), files before subdirectories,
// not descending into folders whose name begins with a dot nor into reparse points.
// Files and folders are worked on by their own (UTF-16) names, whatever language
// they are named in.
// `directory` gets a trailing backslash, which the caller's variable keeps. Returns
// `count` plus the number of files deleted; a pattern without "." is refused with a
// timed message box and gives 0.
rt::i32 delete_files_by_pattern(logic::Text& directory, const char* pattern, bool recurse, rt::i32 count);

// The checks before a deletion, on the UI thread: a pattern without "." is refused
// with the timed message box (false); otherwise `directory` gets its trailing
// backslash.
bool prepare_deletion(logic::Text& directory, const char* pattern);
// The deletion itself, on any thread: `directory` ends in a backslash. Each deleted
// (or undeletable) file has its line in the change record, written by the thread
// that tried, right after it tried. Once `stop` is set it ends between two files.
// Returns the number of files deleted.
rt::i32 delete_matching_files(const char* directory, const char* pattern, bool recurse,
                              const std::atomic<bool>& stop);

// The name matches a file pattern of '*' and '?', ASCII letters compared without case.
bool matches_pattern(const wchar_t* name, const wchar_t* pattern);

bool is_directory(const char* path);
// "X:" or "X:\" (trailing backslashes aside): below it lies the whole drive.
bool is_drive_root(const char* path);
// Creates the directory and its missing parents; true when it exists afterwards.
bool make_directory_path(const char* path);

// A message box that closes itself after `timeout_ms`; returns the pressed button's
// number minus 1. Without an owner, the process's own top-level window is used.
rt::i32 timed_message_box(const char* text, std::optional<rt::i32> style = std::nullopt,
                          std::optional<const char*> title = std::nullopt, std::optional<rt::u32> owner = std::nullopt,
                          std::optional<rt::i32> timeout_ms = std::nullopt);

}  // namespace tuner
