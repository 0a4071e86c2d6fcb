// Files named in UTF-16, for tests whose names the system's code page may not hold
// (Chinese on an English system, Korean on any GBK one).
#pragma once
#include <windows.h>

#include <string>
#include <utility>

namespace tuner_tests {

// The tool's GBK text as the platform names it.
inline std::wstring wide(const std::string& gbk) {
    std::wstring out(gbk.size(), L'\0');
    out.resize(static_cast<size_t>(
        MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), out.data(), static_cast<int>(out.size()))));
    return out;
}

inline std::string utf8(const std::wstring& text) {
    std::string out(text.size() * 3, '\0');
    out.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                       out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

// Writes a whole file, making the folders on its way (`path` starts with a drive root).
inline void write_wide_file(const std::wstring& path, const std::string& content) {
    for (size_t at = 3; (at = path.find(L'\\', at)) != std::wstring::npos; ++at)
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

// Removes `path` and what lies below it, never walking through a link.
inline void remove_wide_tree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
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
