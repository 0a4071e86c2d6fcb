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
    WIN32_FIND_DATAA entry;
    HANDLE h = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = path + "\\" + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            // A linked folder goes itself, never what it names (Wine may refuse that).
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                RemoveDirectoryA(full.c_str());
            else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                remove_tree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(h, &entry));
        FindClose(h);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace testing_support
