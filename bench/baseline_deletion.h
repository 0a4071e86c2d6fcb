// The baseline log deletion, written the way the tool's original logic deletes files
// by pattern: per directory, one find-file pass with the pattern that deletes each
// match, then a *.* pass for the subdirectories (names starting with "." skipped),
// through the runtime's find-file service and delete file command.
#pragma once
#include "logic/values.h"

namespace bench {

// What a pass does with each matching file: delete it, or only count it (the walk
// alone, for timing the deletions apart).
enum class Pass { Delete, CountOnly };

// `directory` gets a trailing backslash, as the caller's variable does in the tool.
// Returns `count` plus the number of files deleted (or, counting only, matched).
rt::i32 baseline_delete_files(logic::Text& directory, const char* pattern, bool recurse, rt::i32 count,
                              Pass pass = Pass::Delete);

}  // namespace bench
