// At-exit routines and idle callbacks registered by the program and its libraries.
#pragma once
#include "runtime/application.h"

namespace rt {

// Appends the routine unless it is already listed.
void register_at_exit(AtExitFn routine);

// Ignores a null or dead window, a window already listed and a null routine.
void add_idle_callback(const IdleCallback& callback);
void remove_idle_callback(HWND window);

}  // namespace rt
