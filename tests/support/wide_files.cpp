#include "tests/support/wide_files.h"

#include <windows.h>

#include <string>

#include "runtime/platform_text.h"
#include "tests/support/temp_dir.h"

namespace testing_support {
namespace {

void remove_wide_tree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = path + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                remove_wide_tree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

WideTempDir::WideTempDir() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static LONG counter = 0;
    for (;;) {
        const std::wstring name = std::wstring(base) + L"trw" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                                  std::to_wstring(InterlockedIncrement(&counter));
        if (CreateDirectoryW(name.c_str(), nullptr)) {
            path_ = name;
            break;
        }
    }
    gbk_ = rt::from_platform(path_.c_str());
}

WideTempDir::~WideTempDir() { remove_wide_tree(path_); }

void WideTempDir::write(const std::wstring& relative, const std::string& content) const {
    const std::wstring full = *this / relative;
    for (size_t at = path_.size() + 1; (at = full.find(L'\\', at)) != std::wstring::npos; ++at)
        CreateDirectoryW(full.substr(0, at).c_str(), nullptr);
    HANDLE file = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

bool WideTempDir::exists(const std::wstring& relative) const {
    return GetFileAttributesW((*this / relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string WideTempDir::read(const std::wstring& relative) const {
    return exists(relative) ? read_whole_file(*this / relative) : "(missing)";
}

}  // namespace testing_support
