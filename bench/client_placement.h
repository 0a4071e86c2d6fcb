// Puts a client install (LeagueClient\system.yaml) halfway through the order in
// which a depth-first walk meets the drive's entries, files of a folder before its
// subfolders, folders in the order the file system lists them; and a second copy, less
// deep, three quarters through, which a search must not return: it meets the first
// before.
#pragma once
#include <string>

namespace bench {

struct Placement {
    std::string config_path;  // ...\LeagueClient\system.yaml, empty when none was made
    std::string later_copy;   // the second copy's, empty when none was made
    long entries_before = 0;  // entries a walk meets before the first client folder
    long entries_total = 0;
};

// `root` ends in a backslash.
Placement place_clients(const std::string& root);

}  // namespace bench
