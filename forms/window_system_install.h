// Links the window system into a program: the runtime's window hooks (templates,
// start window, properties, the window system's library services, keyboard handling,
// idle offers, shutdown) and the names the runtime error box shows for windows and
// components. A program calls install_window_system() once before the runtime
// initialises (before helper 6 reads the window template segment).
#pragma once

namespace forms {

void install_window_system();

}  // namespace forms
