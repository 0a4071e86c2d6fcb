#include "tests/commands/command_test_program.h"

#include <gtest/gtest.h>

#include "commands/command_table.h"
#include "commands/core_link.h"
#include "logic/constants.h"
#include "tests/support/program_start.h"

namespace command_tests {
namespace {

const rt::SupportLibrary kCoreLibrary = {
    "core", commands::core_library_notify, commands::kCommandCount, commands::core_commands(), 0, nullptr,
};
const rt::SupportLibrary* const kLibraries[] = {&kCoreLibrary};

rt::ProgramInfo make_info() {
    rt::ProgramInfo info = {};
    info.build_mode = 3;
    info.constant_data = logic::constant_block_start();
    info.constant_length = logic::constant_block_length();
    info.library_count = 1;
    info.libraries = kLibraries;
    return info;
}

class CommandRuntime : public testing::Environment {
public:
    void SetUp() override { start_command_runtime(); }
};
const auto* const g_environment = testing::AddGlobalTestEnvironment(new CommandRuntime);

}  // namespace

void start_command_runtime() {
    static const rt::ProgramInfo info = make_info();
    testing_support::start_program_once(info);
}

}  // namespace command_tests
