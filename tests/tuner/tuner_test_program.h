#pragma once

namespace tuner_tests {

// Initialises the runtime once with the tool's own program information block, so the
// tool's DLL commands bind as they do in Trivane.exe.
void start_tool_runtime();

}  // namespace tuner_tests
