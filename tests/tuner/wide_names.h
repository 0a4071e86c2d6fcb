// Files named in scripts that GBK lacks (Korean, emoji), made and removed by their
// UTF-16 names, and the conversions between the tests' GBK texts and UTF-16.
#pragma once
#include <windows.h>

#include <string>

namespace tuner_tests {

inline std::wstring wide(const std::string& gbk) {
    std::wstring out(gbk.size() + 1, L'\0');
    const int n = MultiByteToWideChar(936, 0, gbk.c_str(), -1, &out[0], static_cast<int>(out.size()));
    out.resize(n > 0 ? n - 1 : 0);
    return out;
}

// GBK with '?' for what it cannot hold.
inline std::string gbk(const std::wstring& text) {
    std::string out(text.size() * 2 + 1, '\0');
    const int n = WideCharToMultiByte(936, 0, text.c_str(), -1, &out[0], static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(n > 0 ? n - 1 : 0);
    return out;
}

inline bool wide_exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Writes `content` to `base`\`relative`, making the folders below `base` on its way.
inline bool write_wide_file(const std::wstring& base, const std::wstring& relative, const std::string& content = "x") {
    for (size_t at = 0; (at = relative.find(L'\\', at)) != std::wstring::npos; ++at)
        CreateDirectoryW((base + L"\\" + relative.substr(0, at)).c_str(), nullptr);
    HANDLE file = CreateFileW((base + L"\\" + relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                       written == content.size();
    CloseHandle(file);
    return whole;
}

// Removes `path` and everything below it by their wide names (no links are made here).
inline void remove_wide_tree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = path + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                remove_wide_tree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(h, &entry));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace tuner_tests
