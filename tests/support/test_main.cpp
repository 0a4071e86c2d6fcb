// The main of every test executable: a child scenario when started as one,
// otherwise the GoogleTest run.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "tests/support/child_process.h"

namespace {

// Left to the platform's debugger, a crashed test program without a console ends
// with exit code 0 under Wine, and the run would count as passed.
LONG WINAPI fail_on_crash(EXCEPTION_POINTERS* info) {
    std::fflush(stdout);
    std::fprintf(stderr, "crash 0x%08lX at %p\n", info->ExceptionRecord->ExceptionCode,
                 info->ExceptionRecord->ExceptionAddress);
    TerminateProcess(GetCurrentProcess(), testing_support::kCrashExitCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main(int argc, char** argv) {
    if (testing_support::run_scenario_if_child(argc, argv)) return 0;
    SetUnhandledExceptionFilter(fail_on_crash);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
