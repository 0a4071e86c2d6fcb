// Every test program starts the way a program entry does: the runtime is initialised
// from the program's information block, once per process (in the test process before
// the tests, in a child scenario first).
#pragma once
#include "runtime/startup_record.h"

namespace testing_support {

// The runtime keeps `info` for the whole run; later calls do nothing.
void start_program_once(const rt::ProgramInfo& info);

}  // namespace testing_support
