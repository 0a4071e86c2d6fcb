// Puts a client install (LeagueClient\system.yaml) halfway through the order in
// which a depth-first walk meets the drive's entries, files of a folder before its
// subfolders, folders in the order the file system lists them.
#pragma once
#include <string>

namespace bench {

struct Placement {
    std::string config_path;  // ...\LeagueClient\system.yaml, empty when none was made
    long entries_before = 0;  // entries a walk meets before the client folder
    long entries_total = 0;
};

// `root` ends in a backslash.
Placement place_client_halfway(const std::string& root);

}  // namespace bench
