// Trivane.exe: the process entry links the window system in and hands the program to
// the runtime.
#include <windows.h>

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
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    forms::install_window_system();
    return rt::run_program(tuner::program_info(), tuner::program_entry, kCallbacks);
}
