// Changing a client file whole: the new content goes to a temporary sibling, is
// flushed and then swapped in, so a write that fails (a full disk, an I/O error) or
// ends abruptly leaves the old file as it was. Backups are made the same way, so a
// backup is complete or absent. Each write first clears our leftovers in its folder.
#pragma once
#include "runtime/values.h"

namespace tuner {

// True for an existing file that is neither a folder nor a link (a reparse point):
// only such a file is a backup.
bool is_regular_file(const char* path);

// Makes `target` hold exactly the `length` bytes at `data`. False, with the target
// untouched, when any step fails or the target is read-only or a folder; `error` then
// receives the platform's code for the step that failed.
bool replace_file_contents(const char* target, const void* data, rt::u32 length, rt::u32* error = nullptr);

// The same with the bytes of the file `source`, which must be a regular file.
bool replace_file_with_copy(const char* source, const char* target, rt::u32* error = nullptr);

// Copies the regular file `source` to `backup`, which must not exist yet: the copy is
// made under a temporary name and renamed. False, with no file by the backup's name
// made, when any step fails.
bool make_backup(const char* source, const char* backup, rt::u32* error = nullptr);

// Changes `target` through a routine that rewrites a file in place (the platform's
// profile writer): it is handed a temporary copy of the target (an empty file when
// there is none), and the copy is swapped in only when `rewrite` says it holds what
// it should. `rewrite` returns false with the platform's code in `error` otherwise.
using Rewrite = bool (*)(const char* original, const char* copy, const void* context, rt::u32& error);
bool rewrite_through_copy(const char* target, Rewrite rewrite, const void* context, rt::u32* error = nullptr);

}  // namespace tuner
