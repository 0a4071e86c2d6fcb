// Files named in scripts a code page may not hold (Chinese on an English system,
// Korean or an emoji on any GBK one), made and removed by their UTF-16 names, and the
// conversions between the tests' GBK texts and UTF-16.
#pragma once
#include <windows.h>

#include <string>
#include <utility>

#include "tests/support/code_pages.h"

namespace tuner_tests {

// The tool's GBK text as the platform names it, and back ('?' for what GBK lacks).
inline std::wstring wide(const std::string& gbk) { return testing_support::wide_from_gbk(gbk); }
inline std::string gbk(const std::wstring& text) { return testing_support::gbk_from_wide(text); }
inline std::string utf8(const std::wstring& text) { return testing_support::utf8_from_wide(text); }

inline bool wide_exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Writes a whole file, making the folders on its way (`path` starts with a drive root).
inline bool write_wide_file(const std::wstring& path, const std::string& content) {
    for (size_t at = 3; (at = path.find(L'\\', at)) != std::wstring::npos; ++at)
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                       written == content.size();
    CloseHandle(file);
    return whole;
}

// Writes `content` to `base`\`relative`.
inline bool write_wide_file(const std::wstring& base, const std::wstring& relative, const std::string& content = "x") {
    return write_wide_file(base + L"\\" + relative, content);
}

// Removes `path` and what lies below it by their wide names, never walking through a
// link; read-only files go too.
inline void remove_wide_tree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(path.c_str());
        return;
    }
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAW entry;
        const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = entry.cFileName;
                if (name != L"." && name != L"..") remove_wide_tree(path + L"\\" + name);
            } while (FindNextFileW(search, &entry));
            FindClose(search);
        }
    }
    RemoveDirectoryW(path.c_str());
}

// A folder tree removed with everything in it when the owner goes out of scope.
struct WideTree {
    explicit WideTree(std::wstring top) : top(std::move(top)) {}
    ~WideTree() { remove_wide_tree(top); }
    WideTree(const WideTree&) = delete;
    WideTree& operator=(const WideTree&) = delete;
    std::wstring top;
};

}  // namespace tuner_tests
