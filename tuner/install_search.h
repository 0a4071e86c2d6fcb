// The install directory search, on a thread of its own: the places where a client
// usually is, then a walk of the whole chosen drive, for the folder that holds
// LeagueClient\system.yaml.
#pragma once
#include <atomic>

#include "runtime/values.h"

namespace tuner {

// Owned by the UI thread's drive change handler, which makes, waits for and frees it;
// the search thread borrows it, only reads `root` and `stop` and writes `found`
// before `done`.
struct SearchJob {
    char root[4] = {};              // "D:\"
    std::atomic<bool> stop{false};  // a newer drive choice or the window closing
    std::atomic<bool> done{false};
    char* found = nullptr;          // the qualifying system.yaml path, a heap text
};

// The search thread's start routine: a client found in a usual place on the drive is
// the result; only when there is none does the walk run.
rt::u32 __stdcall run_search(void* job);

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
