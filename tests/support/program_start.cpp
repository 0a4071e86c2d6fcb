#include "tests/support/program_start.h"

#include "logic/calls.h"
#include "runtime/initialise.h"

namespace testing_support {

void start_program_once(const rt::ProgramInfo& info) {
    static bool started = false;
    if (started) return;
    started = true;
    rt::set_program_info(&info);
    logic::initialise_runtime();
}

}  // namespace testing_support
