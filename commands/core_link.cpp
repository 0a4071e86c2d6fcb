#include "commands/core_link.h"

#include <windows.h>

#include "runtime/library_service.h"

namespace commands {
namespace {

rt::LibraryLink g_link;

}  // namespace

rt::i32 core_library_notify(rt::i32 code, rt::u32 arg1, rt::u32 arg2) { return g_link.notify(code, arg1, arg2); }

rt::u32 core_service(rt::i32 code, rt::u32 arg1, rt::u32 arg2) {
    return g_link.linked() ? g_link.call(code, arg1, arg2) : 0;
}

void report_command_error(const char* message) {
    core_service(rt::kSvcReportError, reinterpret_cast<rt::u32>(message));
    // Only reached when no runtime linked the library: there is no box to show, but
    // the command must still not go on.
    ExitProcess(static_cast<UINT>(-1));
}

}  // namespace commands
