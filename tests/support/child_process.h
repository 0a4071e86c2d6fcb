// Paths that end the process run in a child: the test executable starts itself with
// the name of a registered scenario and reads back the exit code and what the child
// reported (the composed error text, a trace of what ran).
#pragma once
#include <windows.h>

#include <string>

namespace testing_support {

using Scenario = void (*)();

// Registers a scenario under `name` (at static initialisation).
struct ScenarioRegistration {
    ScenarioRegistration(const char* name, Scenario scenario);
};

#define TRIVANE_CHILD_SCENARIO(name)                                                          \
    static void child_scenario_##name();                                                    \
    static ::testing_support::ScenarioRegistration child_registration_##name(#name,          \
                                                                             child_scenario_##name); \
    static void child_scenario_##name()

// The exit code of a child that crashed; its report ends with "crash <code> at <address>".
inline constexpr UINT kCrashExitCode = 3;

struct ChildResult {
    DWORD exit_code;
    std::string report;  // everything the child appended with child_report()
};

// Starts this executable for `scenario` and waits (at most `timeout_ms`) for it to end.
ChildResult run_child(const char* scenario, DWORD timeout_ms = 20000);
// The same, handing the child an argument it reads with child_argument().
ChildResult run_child_with(const char* scenario, const std::string& argument, DWORD timeout_ms = 20000);
// As run_child, but hands back the running process for the caller to interact with.
PROCESS_INFORMATION start_child(const char* scenario, std::string* report_path, const std::string& argument = {});
ChildResult finish_child(PROCESS_INFORMATION& child, const std::string& report_path, DWORD timeout_ms = 20000);

// In the child: the argument the parent passed (empty when none).
const std::string& child_argument();

// In the child: appends to the report the parent reads (flushed at once, so it
// survives the process ending).
void child_report(const std::string& text);
// In the child: an error hook that reports the code and composed text and
// suppresses the box: "code=<n>\n<text>".
int report_error_and_suppress_box(int code, const char* text);

// Called from the test main: runs the scenario named on the command line, if any,
// and returns true when this process was a child.
bool run_scenario_if_child(int argc, char** argv);

}  // namespace testing_support
