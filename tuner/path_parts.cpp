#include "tuner/path_parts.h"

#include <cstring>
#include <cwchar>

#include "tuner/directory_listing.h"

namespace tuner {
namespace {

bool is_lead_byte(char c) { return static_cast<unsigned char>(c) >= 0x81 && static_cast<unsigned char>(c) <= 0xFE; }

// The position of the last backslash before `end`, or `end` when there is none.
size_t last_backslash(const char* path, size_t end) {
    size_t last = end;
    for (size_t i = 0; i < end; ++i) {
        if (is_lead_byte(path[i]) && i + 1 < end) {
            ++i;
        } else if (path[i] == '\\') {
            last = i;
        }
    }
    return last;
}

}  // namespace

size_t trimmed_length(const char* path) {
    if (!path) return 0;
    size_t n = std::strlen(path);
    // A trailing backslash could be the second byte of a character: only those the
    // character walk sees as separators are trimmed.
    while (n > 0 && path[n - 1] == '\\' && last_backslash(path, n) == n - 1) --n;
    return n;
}

bool ends_in_separator(const char* path) { return path && trimmed_length(path) < std::strlen(path); }

size_t parent_length(const char* path) {
    const size_t n = trimmed_length(path);
    const size_t last = last_backslash(path, n);
    return last == n ? 0 : last;
}

const char* last_part(const char* path) {
    if (!path) return "";
    const size_t n = trimmed_length(path);
    const size_t last = last_backslash(path, n);
    return last == n ? path : path + last + 1;
}

bool same_path_text(const char* a, const char* b) {
    const size_t n = trimmed_length(a);
    if (n == 0 || n != trimmed_length(b)) return false;
    for (size_t i = 0; i < n; ++i) {
        // A character's second byte may look like a capital: it is compared as it is.
        if (is_lead_byte(a[i]) && i + 1 < n) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (fold_letter(a[i]) != fold_letter(b[i])) {
            return false;
        }
    }
    return true;
}

namespace {

size_t wide_trimmed_length(const wchar_t* path) {
    size_t n = path ? std::wcslen(path) : 0;
    while (n > 0 && path[n - 1] == L'\\') --n;
    return n;
}

}  // namespace

size_t parent_length(const wchar_t* path) {
    const size_t n = wide_trimmed_length(path);
    for (size_t i = n; i > 0; --i)
        if (path[i - 1] == L'\\') return i - 1;
    return 0;
}

bool same_path_text(const wchar_t* a, const wchar_t* b) {
    const size_t n = wide_trimmed_length(a);
    if (n == 0 || n != wide_trimmed_length(b)) return false;
    for (size_t i = 0; i < n; ++i)
        if (fold_letter(a[i]) != fold_letter(b[i])) return false;
    return true;
}

}  // namespace tuner
