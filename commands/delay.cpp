#include <windows.h>

#include "commands/arguments.h"
#include "commands/core_link.h"
#include "commands/command_functions.h"
#include "runtime/library_service.h"

namespace commands {

// Blocks the calling thread; nothing is dispatched meanwhile.
void delay(rt::ResultRecord*, i32 count, rt::ArgRecord* records) {
    const i32 ms = Args(count, records).integer(0);
    Sleep(ms < 0 ? 0 : static_cast<DWORD>(ms));
}

// The runtime's pump leaves a quit message queued, so the main loop still ends on it.
void process_events(rt::ResultRecord*, i32, rt::ArgRecord*) { core_service(rt::kSvcProcessPendingMessages); }

}  // namespace commands
