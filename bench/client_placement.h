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

// A client in <root>WeGameApps\英雄联盟, a folder where installs usually are, and a decoy
// client in the last leaf folder a depth-first walk meets before that one: a search
// that only walks returns the decoy; one that first tries the usual folders does not.
struct UsualPlacement {
    std::string config_path;  // <root>WeGameApps\英雄联盟\LeagueClient\system.yaml, empty on failure
    std::string decoy;        // the decoy's system.yaml; empty when the walk meets the folder first
};
UsualPlacement place_usual_client(const std::string& root);

}  // namespace bench
