#include "tuner/program_start.h"

#include "logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/platform_error.h"
#include "tuner/system_directory.h"
#include "tuner/wide_text.h"
#include "tuner/workers.h"

namespace tuner {
namespace {

// The platform's STARTUPINFOW and PROCESS_INFORMATION.
struct StartupInformation {
    rt::u32 size;
    const wchar_t* reserved;
    const wchar_t* desktop;
    const wchar_t* title;
    rt::u32 x, y, width, height, columns, rows, fill, flags;
    unsigned short show_window, reserved_size;
    void* reserved_block;
    rt::u32 input, output, error;
};
static_assert(sizeof(StartupInformation) == 68, "the platform's layout");
struct ProcessInformation {
    rt::u32 process, thread, process_id, thread_id;
};

constexpr rt::u32 kUseShowWindow = 1;
constexpr unsigned short kShowNormal = 1;
// A closed window sends no more messages: the wait wakes this often all the same, to
// keep the close deadline.
constexpr rt::u32 kWakeMilliseconds = 100;
constexpr rt::u32 kAllInput = 0x4FF;
constexpr rt::u32 kEndedAtLimit = 0x5B4;  // the platform's "timeout" code, as the exit code
constexpr rt::u32 kEndingMilliseconds = 2000;

bool has_ended(rt::u32 process, logic::Site where) { return dll::WaitForSingleObject(process, 0, where) == kWaitObject0; }

}  // namespace

ProgramCommand system_program(const char* program, const char* arguments, logic::Site where) {
    ProgramCommand command;
    command.directory = system_directory(where);
    if (command.directory.empty()) return command;
    command.application = logic::join({command.directory.get(), program});
    command.command_line = logic::join({"\"", command.application.get(), "\"", arguments});
    return command;
}

StartedProgram start_program(const ProgramCommand& command, logic::Site where) {
    StartupInformation startup = {};
    startup.size = sizeof startup;
    startup.flags = kUseShowWindow;
    startup.show_window = kShowNormal;
    ProcessInformation started = {};
    const WideText application(command.application.get());
    const WideText directory(command.directory.get());
    // The platform may write into the command line: the converted copy is ours alone.
    const WideText line(command.command_line.get());
    StartedProgram result;
    if (!application.get()) {
        // Without the full path the platform would look for the line's first word.
        result.error = kFileNotFound;
        return result;
    }
    if (!dll::CreateProcessW(application.get(), const_cast<wchar_t*>(line.get()), nullptr, nullptr, false, 0,
                             nullptr, directory.get(), &startup, &started, where)) {
        result.error = dll::GetLastError(where);
        return result;
    }
    const ToolKernelHandle thread(started.thread, where);
    result.process = ToolKernelHandle(started.process, where);
    return result;
}

ProgramEnd wait_for_program(const ToolKernelHandle& process, rt::u32 limit_ms, logic::Site where) {
    const rt::u32 handle = process.get();
    const rt::u32 start = dll::GetTickCount(where);
    for (rt::u32 waited = 0; waited < limit_ms; waited = dll::GetTickCount(where) - start) {
        // Wakes for the process's end and for any message, sent ones included.
        const rt::u32 slice = limit_ms - waited < kWakeMilliseconds ? limit_ms - waited : kWakeMilliseconds;
        const rt::u32 woken = dll::MsgWaitForMultipleObjects(1, &handle, false, slice, kAllInput, where);
        if (woken == kWaitObject0 + 1)
            logic::process_events();
        else if (woken != kWaitTimeout)
            break;  // ended, or a wait that cannot go on
        end_process_past_close_deadline();
    }
    ProgramEnd end;
    end.in_time = has_ended(handle, where);
    if (end.in_time) {
        dll::GetExitCodeProcess(handle, &end.exit_code, where);
        return end;
    }
    dll::TerminateProcess(handle, kEndedAtLimit, where);
    dll::WaitForSingleObject(handle, kEndingMilliseconds, where);
    return end;
}

}  // namespace tuner
