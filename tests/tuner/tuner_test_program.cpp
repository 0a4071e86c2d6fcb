#include "tests/tuner/tuner_test_program.h"

#include "runtime/initialise.h"
#include "logic/calls.h"
#include "tuner/program_info.h"

namespace tuner_tests {

void start_tool_runtime() {
    static bool started = false;
    if (started) return;
    started = true;
    rt::set_program_info(&tuner::program_info());
    logic::initialise_runtime();
}

}  // namespace tuner_tests
