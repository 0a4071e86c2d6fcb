// A small program for the runtime tests: its information block, a support library
// that records its notifications, and a start that initialises the runtime the way
// a program entry does.
#pragma once
#include <string>

#include "runtime/startup_record.h"

namespace runtime_tests {

// Notifications the recording library received, as "notify <code> <arg1 is service?>".
extern std::string g_library_log;

const rt::ProgramInfo& test_program_info();
// set_program_info + helper 6 through the entry table.
void start_test_runtime();

}  // namespace runtime_tests
