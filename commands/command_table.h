// The core library's command table: the order is the contract with the program
// logic, which names a command by its index here.
#pragma once
#include "runtime/values.h"

namespace commands {

enum CommandIndex : rt::i32 {
    kMessageBox = 0,
    kToText = 1,
    kCompareText = 2,
    kFileExists = 3,
    kWriteConfigurationItem = 4,
    kProgramDirectory = 5,
    kDelay = 6,
    kToByteSet = 7,
    kBlankByteSet = 8,
    kByteSetLength = 9,
    kPointerToByteSet = 10,
    kMoveFile = 11,
    kFindText = 12,
    kRightText = 13,
    kDeleteFile = 14,
    kLeftText = 15,
    kProcessEvents = 16,
    kBlankText = 17,
    kGetByteSetData = 18,
    kRunProgram = 19,
    kToInteger = 20,
    kSplitText = 21,
    kIntegerDivide = 22,
    kToUpperCase = 23,
    kTextLength = 24,
    kFindTextBackwards = 25,
    kWriteToFile = 26,
    kCommandCount = 27,
};

// The window type of the core library: a window value passed to a command.
inline constexpr rt::u32 kWindowTypeTag = 0x10001;

const rt::CommandFn* core_commands();
rt::i32 core_command_count();

}  // namespace commands
