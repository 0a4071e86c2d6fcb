// The find-file helper: one platform search kept in the caller's handle variable.
#pragma once
#include "runtime/values.h"

namespace rt {

// A non-empty pattern starts a new search (closing any open one); an empty or null
// pattern continues the open one. With `no_filter` set every entry that is not a
// directory passes; otherwise the filter is `attributes & 0x37` and an entry passes
// when it shares a bit with it, or, for a filter of 0, when its attributes are 0.
// Returns the next passing name as a new text, or null (the search is then closed).
// Names GBK cannot hold are passed over.
char* find_file(const char* pattern, u32 attributes, u32 no_filter, void** handle);
void close_find(void* handle);

}  // namespace rt
