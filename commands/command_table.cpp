#include "commands/command_table.h"

#include "commands/byte_set_commands.h"
#include "commands/dialog_commands.h"
#include "commands/file_commands.h"
#include "commands/launch_commands.h"
#include "commands/profile_commands.h"
#include "commands/text_commands.h"

namespace commands {
namespace {

// Indexed by CommandIndex; the static_assert below keeps the two in step.
constexpr rt::CommandFn kTable[] = {
    message_box,              // 0
    to_text,                  // 1
    compare_text,             // 2
    file_exists,              // 3
    write_configuration_item, // 4
    program_directory,        // 5
    delay,                    // 6
    to_byte_set,              // 7
    blank_byte_set,           // 8
    byte_set_length,          // 9
    pointer_to_byte_set,      // 10
    move_file,                // 11
    find_text,                // 12
    right_text,               // 13
    delete_file,              // 14
    left_text,                // 15
    process_events,           // 16
    blank_text,               // 17
    get_byte_set_data,        // 18
    run_program,              // 19
    to_integer,               // 20
    split_text,               // 21
    integer_divide,           // 22
    to_upper_case,            // 23
    text_length,              // 24
    find_text_backwards,      // 25
    write_to_file,            // 26
};
static_assert(sizeof kTable / sizeof kTable[0] == kCommandCount);

}  // namespace

const rt::CommandFn* core_commands() { return kTable; }
rt::i32 core_command_count() { return kCommandCount; }

}  // namespace commands
