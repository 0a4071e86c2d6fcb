#pragma once
#include "runtime/values.h"

namespace tuner {

// The id of the first running process whose executable file name equals `name`
// (letter case ignored unless `case_sensitive`), or 0.
rt::u32 find_process(const char* name, bool case_sensitive);

// Shows `pick` each running process, its id and executable file name (code page 936),
// in the order of the process list, until it returns true; returns that process's id,
// or 0. A process whose name has no GBK form is passed over rather than shown
// under a name with '?' in its place: no name the tool looks for can be it.
using ProcessPick = bool (*)(rt::u32 process_id, const char* exe_name, void* context);
rt::u32 first_process(ProcessPick pick, void* context);

}  // namespace tuner
