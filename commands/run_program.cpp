#include <windows.h>

#include <cstring>
#include <string>

#include "commands/arguments.h"
#include "commands/command_functions.h"
#include "runtime/handle_owners.h"
#include "runtime/platform_text.h"

namespace commands {
namespace {

constexpr i32 kDefaultMode = 2;
constexpr DWORD kIdleWaitMs = 1000;

// Show modes 1 to 6 and the show command each hands the new process.
constexpr WORD kShowCommands[] = {
    SW_HIDE,             // 1 hidden
    SW_SHOWNORMAL,       // 2 normal, activated
    SW_SHOWMINIMIZED,    // 3 minimized, activated
    SW_SHOWMAXIMIZED,    // 4 maximized, activated
    SW_SHOWNOACTIVATE,   // 5 normal, not activated
    SW_MINIMIZE,         // 6 minimized, not activated
};

WORD show_command(const Args& args) {
    i32 mode = args.present(2) ? args.integer(2) : kDefaultMode;
    if (mode < 1) mode = 1;
    if (mode > 6) mode = 6;
    return kShowCommands[mode - 1];
}

}  // namespace

// Reports only whether the process was created; its exit code is not read.
void run_program(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    STARTUPINFOW startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show_command(args);

    // The platform may write into the command line, so it gets a copy of its own, in
    // UTF-16 (program paths may hold Chinese folder names).
    std::wstring command = rt::to_platform(args.text(0));
    PROCESS_INFORMATION process;
    std::memset(&process, 0, sizeof process);
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;

    const rt::KernelHandle started(process.hProcess), thread(process.hThread);
    if (args.logical(1))
        WaitForSingleObject(started.get(), INFINITE);
    else
        WaitForInputIdle(started.get(), kIdleWaitMs);  // a console program returns at once
    set_logical(result, true);
}

}  // namespace commands
