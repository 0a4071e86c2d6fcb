// The core support library's link to the runtime. The runtime hands the library its
// service function with the first notification; every service call of the commands
// goes through it.
#pragma once
#include "runtime/library_link.h"

namespace commands {

// The notification function of the core library's descriptor.
rt::i32 core_library_notify(rt::i32 code, rt::u32 arg1, rt::u32 arg2);

// A library service call; 0 while the library is not linked.
rt::u32 core_service(rt::i32 code, rt::u32 arg1 = 0, rt::u32 arg2 = 0);

// An argument the command cannot go on with: the runtime error box, which ends the
// process (service 2027).
[[noreturn]] void report_command_error(const char* message);

}  // namespace commands
