// Turning a window value into the platform window that owns a message box. The
// runtime hands out window objects (service 2006); only the window system knows
// which platform window an object holds, so it installs the reader when it is
// linked. Without a reader no window value resolves and the box has no owner.
#pragma once
#include <windows.h>

#include "commands/command_table.h"

namespace commands {

using WindowHandleReader = HWND (*)(rt::u32 window_object);
void set_window_handle_reader(WindowHandleReader reader);

// The owner a message box gets from its fourth argument: a loaded window's platform
// window, an integer used as a handle, or none.
HWND resolve_owner(const rt::ArgRecord& owner);

}  // namespace commands
