#include "tests/support/temp_dir.h"

#include <cstdio>

namespace testing_support {

TempDir::TempDir() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static LONG counter = 0;
    for (;;) {
        char name[MAX_PATH];
        wsprintfA(name, "%strv%lu_%ld", base, GetCurrentProcessId(), InterlockedIncrement(&counter));
        if (CreateDirectoryA(name, nullptr)) {
            path_ = name;
            return;
        }
    }
}

TempDir::~TempDir() { remove_tree(path_); }

std::string TempDir::write(const std::string& relative, const std::string& content) const {
    const std::string full = path_ + "\\" + relative;
    write_file(full, content);
    return full;
}

void write_file(const std::string& path, const std::string& content) {
    for (size_t at = 3; (at = path.find('\\', at)) != std::string::npos; ++at)
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(content.data(), 1, content.size(), f);
        std::fclose(f);
    }
}

void write_file(const std::wstring& path, const std::string& content) {
    // Split on UTF-16 backslashes: a GBK character's second byte may be 0x5C.
    for (size_t at = 3; (at = path.find(L'\\', at)) != std::wstring::npos; ++at)
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

std::string read_whole_file(const std::wstring& path) {
    std::string text;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0) text.append(buffer, n);
    CloseHandle(file);
    return text;
}

std::string read_whole_file(const std::string& path) {
    std::string text;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}

void remove_tree(const std::string& path) {
    const int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (n <= 0) return;
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), n);
    wide.resize(static_cast<size_t>(n - 1));
    remove_tree(wide);
}

void remove_tree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = path + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            // A linked folder goes itself, never what it names (Wine may refuse that).
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                RemoveDirectoryW(full.c_str());
            else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                remove_tree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(h, &entry));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
}

void fill_up(const std::string& name) {
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    const std::string piece(1024, 'f');
    DWORD written = 0;
    while (WriteFile(file, piece.data(), 1024, &written, nullptr) && written == 1024) {}
    CloseHandle(file);
}

}  // namespace testing_support
