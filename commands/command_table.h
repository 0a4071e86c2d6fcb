// The core library's command table: the order is the contract with the program
// logic, which names a command by its index here.
#pragma once
#include "runtime/values.h"

namespace commands {

// Each row: the index's name (k<Name>) and the command's function. The commands deal
// with the user and the message queue, texts (ANSI bytes of the system's code page;
// lengths and positions count bytes, positions from 1), byte sets and conversions,
// files and folders (thin layers over the platform's file functions), one item or
// section of a private profile file, and starting a program.
#define TRIVANE_CORE_COMMANDS(X)                        \
    X(MessageBox, message_box)                          \
    X(ToText, to_text)                                  \
    X(CompareText, compare_text)                        \
    X(FileExists, file_exists)                          \
    X(WriteConfigurationItem, write_configuration_item) \
    X(ProgramDirectory, program_directory)              \
    X(Delay, delay)                                     \
    X(ToByteSet, to_byte_set)                           \
    X(BlankByteSet, blank_byte_set)                     \
    X(ByteSetLength, byte_set_length)                   \
    X(PointerToByteSet, pointer_to_byte_set)            \
    X(MoveFile, move_file)                              \
    X(FindText, find_text)                              \
    X(RightText, right_text)                            \
    X(DeleteFile, delete_file)                          \
    X(LeftText, left_text)                              \
    X(ProcessEvents, process_events)                    \
    X(BlankText, blank_text)                            \
    X(GetByteSetData, get_byte_set_data)                \
    X(RunProgram, run_program)                          \
    X(ToInteger, to_integer)                            \
    X(SplitText, split_text)                            \
    X(IntegerDivide, integer_divide)                    \
    X(ToUpperCase, to_upper_case)                       \
    X(TextLength, text_length)                          \
    X(FindTextBackwards, find_text_backwards)           \
    X(WriteToFile, write_to_file)

enum CommandIndex : rt::i32 {
#define TRIVANE_COMMAND_INDEX(name, function) k##name,
    TRIVANE_CORE_COMMANDS(TRIVANE_COMMAND_INDEX)
#undef TRIVANE_COMMAND_INDEX
    kCommandCount
};
static_assert(kMessageBox == 0 && kWriteToFile == 26, "the program logic's indexes");

// The window type of the core library: a window value passed to a command.
inline constexpr rt::u32 kWindowTypeTag = 0x10001;

const rt::CommandFn* core_commands();
rt::i32 core_command_count();

}  // namespace commands
