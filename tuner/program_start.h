// Programs the tool starts: always a program of the system directory, named by its
// full path, with the system directory as its current directory. The tool runs
// elevated from a folder anyone may write to: neither the platform's search for a
// bare name nor a command interpreter (which first runs the user's AutoRun command)
// may choose what runs.
#pragma once
#include "logic/entries.h"
#include "logic/values.h"
#include "tuner/tool_kernel_handle.h"

namespace tuner {

struct ProgramCommand {
    logic::Text application;   // <system dir>\name.exe
    logic::Text command_line;  // the quoted application, then the arguments
    logic::Text directory;     // the system directory
};

// `program` is a file name behind a backslash ("\\powercfg.exe"); `arguments` follow
// the quoted full path as given (a leading space included). All empty when the system
// directory cannot be read.
ProgramCommand system_program(const char* program, const char* arguments, logic::Site where);

struct StartedProgram {
    ToolKernelHandle process;  // none when it could not be started
    rt::u32 error = 0;     // then the platform's code
};

// Starts `command` with its window shown normally; nothing is waited for.
StartedProgram start_program(const ProgramCommand& command, logic::Site where);

struct ProgramEnd {
    bool in_time = false;  // false: it was still running at the limit and has been ended
    rt::u32 exit_code = 0;
};

// Waits at most `limit_ms` for `process` to end, processing the window's events
// meanwhile; once the window has closed, the process ends at the close deadline. A program still running at the limit is ended: nothing the tool
// started elevated keeps running unwatched, and the next command does not overlap it.
ProgramEnd wait_for_program(const ToolKernelHandle& process, rt::u32 limit_ms, logic::Site where);

}  // namespace tuner
