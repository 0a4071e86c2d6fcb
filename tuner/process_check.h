#pragma once
#include "runtime/values.h"

namespace tuner {

// The id of the first running process whose executable file name equals `name`
// (letter case ignored unless `case_sensitive`), or 0.
rt::u32 find_process(const char* name, bool case_sensitive);

}  // namespace tuner
