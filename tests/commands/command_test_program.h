// A program whose only support library is the core command library: the runtime is
// initialised from its information block, so the library is linked to the runtime's
// service function exactly as in the real program.
#pragma once

namespace command_tests {

// Once per process: in the test process before the tests, in a child scenario first.
void start_command_runtime();

}  // namespace command_tests
