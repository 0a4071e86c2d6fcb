// The core library's commands, each a function of the runtime's command shape
// (rt::CommandFn), declared from the command table's list.
#pragma once
#include "commands/command_table.h"
#include "runtime/values.h"

namespace commands {

#define TRIVANE_DECLARE_COMMAND(name, function) void function(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
TRIVANE_CORE_COMMANDS(TRIVANE_DECLARE_COMMAND)
#undef TRIVANE_DECLARE_COMMAND

}  // namespace commands
