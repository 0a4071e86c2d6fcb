// What a folder holds, for tests that check nothing else was left in it.
#pragma once
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tuner_tests {

// The names in `folder`, sorted, without . and ..
inline std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (std::string(entry.cFileName) != "." && std::string(entry.cFileName) != "..") names.push_back(entry.cFileName);
    } while (FindNextFileA(h, &entry));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace tuner_tests
