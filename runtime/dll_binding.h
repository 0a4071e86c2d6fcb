// DLL commands: functions of system libraries the program declares by library file
// name and entry name, bound on first call and cached.
#pragma once
#include "runtime/values.h"

extern "C" rt::u64 trivane_native_call(void* function, const rt::u32* words, rt::i32 count, rt::i32* stack_delta);

namespace rt {

// The address of DLL command `index`, binding it on first use; the thread's last error
// is as before. A library is taken from the system directory, or from the full path
// declared; one that is not there, or a missing entry, ends the program through the
// runtime error box.
void* resolve_dll_command(i32 index);

// Entry slot 1.
u64 call_dll_command(i32 index, const u32* words, i32 count, i32* stack_delta);

}  // namespace rt
