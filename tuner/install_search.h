// The install directory search, on a thread of its own: the places where a client
// usually is, then a walk of the whole chosen drive, for the folder that holds
// LeagueClient\system.yaml.
#pragma once
#include <atomic>

#include "runtime/values.h"

namespace tuner {

// The search of the drive at `root` ("D:\"), on the thread that calls it: a client
// found in a usual place on the drive is the result; only when there is none does the
// walk run. Returns the qualifying system.yaml path as a new text, or null (also once
// `stop` is set).
char* search_drive(const char* root, const std::atomic<bool>& stop);

// What a search thread runs on its root: find_client_config. Replaceable so that tests
// can stand in a walk that behaves worse than the real one; null puts the real one
// back. Replace it only while no search runs. Returns the walk it replaced.
using SearchWalk = char* (*)(const char* root, const std::atomic<bool>& stop);
SearchWalk replace_search_walk(SearchWalk walk);

// Walks `directory` (ending in a backslash) depth-first and returns the first
// "...\LeagueClient\system.yaml" path as a new text, or null. Reparse points are not
// followed. Exposed for tests and the benchmark.
char* find_client_config(const char* directory, const std::atomic<bool>& stop);

// The install directory a qualifying path names: everything before its
// "\LeagueClient\system.yaml".
char* install_directory_of(const char* config_path);

}  // namespace tuner
