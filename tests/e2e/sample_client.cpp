#include "tests/e2e/sample_client.h"

#include <windows.h>

#include <algorithm>

#include "tests/support/code_pages.h"
#include "tests/support/temp_dir.h"

namespace e2e {

using testing_support::write_file;

// Listed and removed in UTF-16: a test may have left a name behind that this process's
// code page cannot hold.
void empty_folder(const std::string& path) {
    const std::wstring folder = testing_support::wide_from_gbk(path.back() == '\\' ? path : path + "\\");
    WIN32_FIND_DATAW entry;
    HANDLE h = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring full = folder + name;
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            testing_support::remove_tree(full);
        else
            DeleteFileW(full.c_str());
    } while (FindNextFileW(h, &entry));
    FindClose(h);
}

void lay_out_client(const std::wstring& install) {
    write_file(install + L"\\LeagueClient\\system.yaml", kSystemYaml);
    write_file(install + L"\\Game\\Config\\game.cfg", kGameCfg);
    write_file(install + L"\\Cross\\cache.bin", "frames");
}

SampleClient make_sample_client(const std::string& root) {
    empty_folder(root);
    SampleClient client;
    client.install = root + "Games\\英雄联盟";
    const std::string& in = client.install;
    write_file(in + "\\LeagueClient\\system.yaml", kSystemYaml);
    write_file(in + "\\Game\\Config\\game.cfg", kGameCfg);
    write_file(in + "\\Cross\\cache.bin", "frames");
    write_file(root + "Other\\system.yaml", "not a client");
    for (const char* log : {"\\a.log", "\\Game\\Logs\\b.log", "\\LeagueClient\\Logs\\deep\\deeper\\c.LOG"}) {
        write_file(in + log, "log");
        client.logs.push_back(in + log);
    }
    for (const char* kept : {"\\notes.logbook", "\\Game\\Logs\\keep.txt", "\\Game\\DATA.cfg"}) {
        write_file(in + kept, "keep");
        client.non_logs.push_back(in + kept);
    }
    return client;
}

std::string read_file(const std::string& path) { return testing_support::read_whole_file(path); }

bool file_exists(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool directory_exists(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> list_names(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE h = FindFirstFileA((folder + (folder.back() == '\\' ? "*" : "\\*")).c_str(), &entry);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(h, &entry));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace e2e
