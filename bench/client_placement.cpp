#include "bench/client_placement.h"

#include <windows.h>

#include <vector>

namespace bench {
namespace {

struct Visit {
    std::string directory;  // ends in a backslash
    long position;          // entries met before this folder's own listing
    bool leaf;
};

// Lists folders in walk order; `count` runs over every entry met.
void walk(const std::string& directory, long& count, std::vector<Visit>& visits) {
    const size_t mine = visits.size();
    visits.push_back({directory, count, true});
    std::vector<std::string> subdirectories;
    WIN32_FIND_DATAA entry;
    HANDLE h = FindFirstFileA((directory + "*").c_str(), &entry);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        ++count;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) subdirectories.push_back(name);
    } while (FindNextFileA(h, &entry));
    FindClose(h);
    visits[mine].leaf = subdirectories.empty();
    for (const std::string& name : subdirectories) walk(directory + name + "\\", count, visits);
}

bool write_file(const std::string& path, const char* content) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(h, content, lstrlenA(content), &written, nullptr);
    CloseHandle(h);
    return ok;
}

}  // namespace

Placement place_client_halfway(const std::string& root) {
    long count = 0;
    std::vector<Visit> visits;
    walk(root, count, visits);
    Placement placement;
    placement.entries_total = count;
    for (const Visit& v : visits) {
        if (!v.leaf || v.position < count / 2) continue;
        const std::string client = v.directory + "LeagueClient";
        if (!CreateDirectoryA(client.c_str(), nullptr)) break;
        if (!write_file(client + "\\system.yaml", "---\r\napp:\r\n  app_name: LeagueClient\r\n")) break;
        placement.config_path = client + "\\system.yaml";
        placement.entries_before = v.position;
        break;
    }
    return placement;
}

}  // namespace bench
