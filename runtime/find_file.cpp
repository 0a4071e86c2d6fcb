#include "runtime/find_file.h"

#include <windows.h>

#include <string>

#include "runtime/platform_text.h"
#include "runtime/texts.h"

namespace rt {
namespace {

bool passes(DWORD entry_attributes, u32 attributes, u32 no_filter) {
    if (no_filter) return !(entry_attributes & FILE_ATTRIBUTE_DIRECTORY);
    const u32 filter = attributes & 0x37;
    if (filter == 0) return entry_attributes == 0;
    return (entry_attributes & filter) != 0;
}

}  // namespace

void close_find(void* handle) {
    if (handle) FindClose(static_cast<HANDLE>(handle));
}

char* find_file(const char* pattern, u32 attributes, u32 no_filter, void** handle) {
    WIN32_FIND_DATAW entry;
    bool have_entry = false;
    if (pattern && *pattern) {
        close_find(*handle);
        *handle = nullptr;
        HANDLE h = FindFirstFileW(to_platform(pattern).c_str(), &entry);
        if (h == INVALID_HANDLE_VALUE) return nullptr;
        *handle = h;
        have_entry = true;
    } else if (!*handle) {
        return nullptr;
    }
    for (;;) {
        if (!have_entry && !FindNextFileW(static_cast<HANDLE>(*handle), &entry)) break;
        have_entry = false;
        if (!passes(entry.dwFileAttributes, attributes, no_filter)) continue;
        // A name GBK cannot hold is passed over: with '?' in its place it would name
        // another file, or none.
        std::string name;
        if (from_platform_exact(entry.cFileName, name)) return copy_text(name.c_str());
    }
    close_find(*handle);
    *handle = nullptr;
    return nullptr;
}

}  // namespace rt
