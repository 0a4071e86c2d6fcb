// Trivane.exe: the process entry links the window system in and hands the program to
// the runtime.
#include <windows.h>

#include "commands/window_owner.h"
#include "forms/component_object.h"
#include "forms/components/drive_read_ahead.h"
#include "forms/window_system_install.h"
#include "runtime/process_entry.h"
#include "tuner/program_entry.h"
#include "tuner/program_info.h"

namespace {
// The runtime's three application callbacks: two answer 0, the third does nothing.
int answer_zero() { return 0; }
void do_nothing() {}
void* const kCallbacks[3] = {reinterpret_cast<void*>(answer_zero), reinterpret_cast<void*>(answer_zero),
                             reinterpret_cast<void*>(do_nothing)};
// A window value given to the message box command names a window object.
HWND window_of(rt::u32 object) { return reinterpret_cast<forms::ComponentObject*>(object)->hwnd(); }
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The main window's drive box lists the drives while the rest of the window is
    // built. Started any earlier, the listing slows the runtime's start (its first
    // window, OLE) by more than it saves.
    forms::install_window_system(forms::read_drives_ahead);
    commands::set_window_handle_reader(window_of);
    return rt::run_program(tuner::program_info(), tuner::program_entry, kCallbacks);
}
