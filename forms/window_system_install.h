// Links the window system into a program: the runtime's window hooks (templates,
// start window, properties, the window system's library services, keyboard handling,
// idle offers, shutdown) and the names the runtime error box shows for windows and
// components. A program calls install_window_system() once before the runtime
// initialises (before helper 6 reads the window template segment).
#pragma once

namespace forms {

// before_start_window, when given, runs once the runtime stands, just before the
// start window is built: work the start window will want can begin there without
// slowing the runtime's own start.
void install_window_system(void (*before_start_window)() = nullptr);

}  // namespace forms
