// Runtime initialisation from the program information block (helper 6).
#pragma once
#include "runtime/startup_record.h"

namespace rt {

// Runs the twelve initialisation steps once; the program entry calls it first.
void initialise_runtime();

// Called by the process entry before the program entry runs.
void set_program_info(const ProgramInfo* info);

}  // namespace rt
