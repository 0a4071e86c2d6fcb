// The process entry: what the platform's framework does around the program entry.
#pragma once
#include "runtime/startup_record.h"

namespace rt {

using ProgramEntry = i32 (*)();

// Runs the program: keeps later bare-name library loads to the system directory,
// hands the program information block to the runtime, installs the program's three
// callback routines, calls the program entry and, when it returns, runs the end
// sequence with exit code 0. Returns the process exit code.
int run_program(const ProgramInfo& info, ProgramEntry entry, void* const callbacks[3]);

}  // namespace rt
