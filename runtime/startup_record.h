// The fixed record the program image hands the runtime at initialisation, and the
// descriptor of a support library.
#pragma once
#include "runtime/values.h"

namespace rt {

struct ComponentType;  // defined by the window system

using ServiceFn = u32 (*)(i32 code, u32 arg1, u32 arg2);
using NotifyFn = i32 (*)(i32 code, u32 arg1, u32 arg2);

// Notification codes sent to support libraries.
inline constexpr i32 kNotifyInit = 1;  // arg1: the library service function
inline constexpr i32 kNotifyEnd = 6;   // arg1: the library's state word
inline constexpr i32 kNotifyUnhandled = -1;

struct SupportLibrary {
    const char* name;
    NotifyFn notify;  // may be null
    i32 command_count;
    const CommandFn* commands;
    i32 type_count;
    const ComponentType* const* types;  // type number n is types[n - 1]
};

inline constexpr u32 kBuildModeDebug = 2;

struct ProgramInfo {
    u32 build_mode;
    u32 second_word;
    u32 third_word;
    const void* code_base;
    u32 handler_count;  // slots of the handler table at the code base; bindings must name one
    const char* constant_data;
    u32 constant_length;
    const unsigned char* template_segment;
    u32 template_length;
    u32 library_count;
    const SupportLibrary* const* libraries;
    u32 dll_count;
    const char* const* dll_libraries;
    const char* const* dll_entries;
};

}  // namespace rt
