// The baseline walk, written the way the tool's original logic walks a drive: two
// find-file passes per directory (the pattern, then *.* for the subdirectories)
// through the runtime's find-file service, every system.yaml collected, an event pump
// after every found file and every visited subdirectory, the decision only after the
// whole drive was walked.
#pragma once
#include "logic/values.h"

namespace bench {

// Appends every file matching one of the "|"-separated `patterns` below `directory`
// to `list` (full paths when `with_path`), depth-first; returns the list's size.
rt::i32 baseline_file_search(const char* directory, const char* patterns, logic::TextArray& list, bool with_path,
                             bool recurse);

// The first collected path that names a client folder, or null: the baseline's result.
const char* first_client_path(const logic::TextArray& list);

}  // namespace bench
