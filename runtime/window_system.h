// What the runtime needs from the window system. The window system installs these
// when it is linked into a program; without it no window template is known, so
// the start window cannot be loaded and every property access finds no window.
#pragma once
#include <windows.h>

#include <vector>

#include "runtime/values.h"

namespace rt {

struct WindowSystem {
    // Reads the window template segment and resolves handler offsets against the
    // code base's table of `handler_count` slots; false on any read failure and on a
    // binding that names no slot of that table.
    bool (*read_templates)(const unsigned char* segment, u32 length, const void* code_base, u32 handler_count);
    void (*free_templates)();
    // Loads the start window (no owner, not modal); false when the template is
    // missing or the load fails.
    bool (*load_start_window)(u32 window_id);
    u64 (*read_property)(u32 window_id, u32 component_id, i32 index, i32 sub);
    void (*write_property)(u32 window_id, u32 component_id, i32 index, i32 sub, u32 lo, u32 hi);
    u64 (*read_reference_property)(u32 type_id, void* object, i32 index, i32 sub);
    void (*write_reference_property)(u32 type_id, void* object, i32 index, i32 sub, u32 lo, u32 hi);
    // Library service codes that belong to the window system (1001, 1002, 2000,
    // 2006 to 2010, 2017); `handled` false lets the runtime answer 0.
    u32 (*service)(i32 code, u32 arg1, u32 arg2, bool* handled);
    bool (*any_window_alive)();
    // Keyboard handling and the like before a message is dispatched; true when the
    // message was consumed.
    bool (*pre_translate)(MSG* msg);
    std::vector<u32> (*loaded_window_ids)();
    // Raises the idle event of a loaded window; true when its handler ran and accepted.
    bool (*offer_idle)(u32 window_id, u32 elapsed_ms);
    // Shuts down and deletes every object still registered, frees cached pictures.
    void (*shutdown_objects)();
};

void install_window_system(const WindowSystem* system);
const WindowSystem* window_system();  // null when none is linked

}  // namespace rt
