#include "bench/client_placement.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "runtime/handle_owners.h"

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
    const rt::FindHandle search(FindFirstFileA((directory + "*").c_str(), &entry));
    if (!search) return;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        ++count;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) subdirectories.push_back(name);
    } while (FindNextFileA(search.get(), &entry));
    visits[mine].leaf = subdirectories.empty();
    for (const std::string& name : subdirectories) walk(directory + name + "\\", count, visits);
}

bool write_file(const std::string& path, const char* content) {
    const rt::KernelHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), content, lstrlenA(content), &written, nullptr) != 0;
}

size_t depth_of(const std::string& directory) { return std::count(directory.begin(), directory.end(), '\\'); }

// Of the first `count` leaf folders a walk meets from entry position `from` up to
// `to`, the deepest or the shallowest.
const Visit* pick_leaf(const std::vector<Visit>& visits, long from, long to, int count, bool deepest) {
    const Visit* best = nullptr;
    for (const Visit& v : visits) {
        if (!v.leaf || v.position < from || v.position > to) continue;
        if (!best || (deepest ? depth_of(v.directory) > depth_of(best->directory)
                              : depth_of(v.directory) < depth_of(best->directory)))
            best = &v;
        if (--count == 0) break;
    }
    return best;
}

std::string place_in(const std::string& directory) {
    const std::string client = directory + "LeagueClient";
    if (!CreateDirectoryA(client.c_str(), nullptr)) return "";
    if (!write_file(client + "\\system.yaml", "---\r\napp:\r\n  app_name: LeagueClient\r\n")) return "";
    return client + "\\system.yaml";
}

}  // namespace

Placement place_clients(const std::string& root) {
    long count = 0;
    std::vector<Visit> visits;
    walk(root, count, visits);
    Placement placement;
    placement.entries_total = count;
    // The first copy deep, just past the middle; the second shallow, further on. A walk
    // that went breadth first, or took folders out of order, would return the second.
    const Visit* first = pick_leaf(visits, count / 2, count, 20, true);
    if (!first) return placement;
    const Visit* second = pick_leaf(visits, std::max(count * 3 / 4, first->position + 1), count, -1, false);
    placement.entries_before = first->position;
    placement.config_path = place_in(first->directory);
    placement.later_copy = second ? place_in(second->directory) : "";
    return placement;
}

UsualPlacement place_usual_client(const std::string& root) {
    UsualPlacement placement;
    const std::string usual_parent = root + "WeGameApps\\";
    const std::string usual = usual_parent + "英雄联盟\\";
    CreateDirectoryA(usual_parent.c_str(), nullptr);
    if (!CreateDirectoryA(usual.c_str(), nullptr)) return placement;
    placement.config_path = place_in(usual);
    if (placement.config_path.empty()) return placement;

    long count = 0;
    std::vector<Visit> visits;
    walk(root, count, visits);
    const Visit* decoy = nullptr;
    for (const Visit& v : visits) {
        if (v.directory == usual_parent) break;
        if (v.leaf) decoy = &v;
    }
    if (decoy) placement.decoy = place_in(decoy->directory);
    return placement;
}

}  // namespace bench
