#include "tests/tuner/tuner_test_program.h"

#include "tests/support/program_start.h"
#include "tuner/program_info.h"

namespace tuner_tests {

void start_tool_runtime() { testing_support::start_program_once(tuner::program_info()); }

}  // namespace tuner_tests
