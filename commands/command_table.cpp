#include "commands/command_table.h"

#include "commands/command_functions.h"

namespace commands {
namespace {

constexpr rt::CommandFn kTable[] = {
#define TRIVANE_COMMAND_ENTRY(name, function) function,
    TRIVANE_CORE_COMMANDS(TRIVANE_COMMAND_ENTRY)
#undef TRIVANE_COMMAND_ENTRY
};
static_assert(sizeof kTable / sizeof kTable[0] == kCommandCount);

}  // namespace

const rt::CommandFn* core_commands() { return kTable; }
rt::i32 core_command_count() { return kCommandCount; }

}  // namespace commands
