// The parts of a GBK path as the tool names folders: "X:\a\b", backslashes only. A byte
// from 0x81 on starts a two-byte character whose second byte may be a backslash, so
// separators are found by walking the characters, not by searching bytes.
#pragma once
#include <cstddef>

namespace tuner {

// The length of `path` without the backslashes at its end.
size_t trimmed_length(const char* path);

// Whether `path` ends in a backslash of its own, not in the second byte of a character.
bool ends_in_separator(const char* path);

// The length of the folder holding the last part of `path` (trailing backslashes
// ignored), without the backslash between them; 0 when there is no backslash.
size_t parent_length(const char* path);

// Where the last part of `path` starts (trailing backslashes ignored): after its last
// backslash, or at the start when there is none.
const char* last_part(const char* path);

// The two paths name the same folder by their text: ASCII letter case and trailing
// backslashes ignored.
bool same_path_text(const char* a, const char* b);

// The same for paths in the system's wide form.
size_t parent_length(const wchar_t* path);
bool same_path_text(const wchar_t* a, const wchar_t* b);

}  // namespace tuner
