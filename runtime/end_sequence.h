// The fixed teardown order shared by the normal end, the end-program service and the
// runtime error box.
#pragma once
#include "runtime/values.h"

namespace rt {

enum class EndKind {
    Normal,    // returns to the framework, which ends the process
    Terminal,  // ends the process with the exit code
};

// For EndKind::Terminal this never returns; for Normal it returns unless the caller
// is not the main thread.
void end_sequence(i32 exit_code, EndKind kind);

[[noreturn]] void end_program(i32 exit_code);

}  // namespace rt
