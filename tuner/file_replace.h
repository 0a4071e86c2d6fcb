// Replacing a client file whole: the new content goes to a temporary sibling, is
// flushed and then swapped in, so a write that fails (a full disk, an I/O error)
// leaves the old file as it was and no temporary file behind.
#pragma once
#include "runtime/values.h"

namespace tuner {

// True for an existing file that is not a folder: only such a file is a backup.
bool is_regular_file(const char* path);

// Makes `target` hold exactly the `length` bytes at `data`. False, with the target
// untouched, when any step fails or the target is read-only or a folder; `error` then
// receives the platform's code for the step that failed.
bool replace_file_contents(const char* target, const void* data, rt::u32 length, rt::u32* error = nullptr);

// The same with the bytes of the file `source`.
bool replace_file_with_copy(const char* source, const char* target, rt::u32* error = nullptr);

}  // namespace tuner
