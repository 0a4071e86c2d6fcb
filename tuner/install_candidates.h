// The places where a client usually is, tried on the chosen drive before the search
// walks the whole drive: the launcher's registry value, the folder of a running
// client, and the folders installers pick by default.
#pragma once
#include <atomic>

namespace tuner {

// The first of those places on `drive` that holds a client by the walk's own rule, as
// its "<install>\LeagueClient\system.yaml" path (a new heap text); null when none
// does, or once `stop` is set. A folder named by the registry (or by a "TCLS" folder
// the registry names, its parent) or by a running program of the tool's user counts
// only when it also holds LeagueClient\LeagueClient.exe and a Game folder.
char* find_usual_install(char drive, const std::atomic<bool>& stop);

// `path` named as the walk names that folder: backslashes, none doubled and none at
// the end. Null when it is not an absolute path on `drive` (its letter in either
// case), steps through "." or "..", or holds a colon past its drive (a data stream).
char* normalise_candidate(const char* path, char drive);

// The install directory a client program's image path names: everything before its
// last "\LeagueClient\"; null when there is none.
char* install_of_client_program(const char* image_path);

}  // namespace tuner
