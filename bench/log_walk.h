// The log cleanup's walk without its deletions: the same listings, the same folders
// skipped and the same pattern test as the tool's and the baseline's deletion, counting
// the files they would delete. Timed against the deletions on the same copy, it shows
// what the deletions themselves cost, which no walk can save.
#pragma once
#include "logic/values.h"

namespace bench {

// `directory` ends in a backslash. Returns the number of files matching `pattern`.
rt::i32 tool_log_walk(const char* directory, const char* pattern);

}  // namespace bench
