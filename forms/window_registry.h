// The loaded window templates: one descriptor per template window, kept for the life
// of the process, each with its live component table and, while the window is
// loaded, the snapshot taken when the load began.
#pragma once
#include <memory>
#include <vector>

#include "forms/template_model.h"

namespace forms {

class ComponentObject;

struct WindowDescriptor {
    u32 window_id = 0;
    u32 word_a = 0, word_b = 0;
    std::string text1, text2;  // text1 names the window in runtime error boxes
    ComponentTable live;       // object and cursor slots are written here
    ComponentTable snapshot;
    bool has_snapshot = false;
};

// Window ids and descriptors in parallel arrays, searched linearly by id.
struct LoadedTemplates {
    std::vector<u32> ids;
    std::vector<std::unique_ptr<WindowDescriptor>> descriptors;
};

LoadedTemplates& loaded_templates();

// Reads the segment, resolves handler offsets against the code base's table of
// `handler_count` slots and makes the windows the loaded window templates
// (replacing any earlier ones).
bool read_templates(const std::uint8_t* segment, u32 length, const void* code_base, u32 handler_count);
void free_templates();

WindowDescriptor* find_descriptor(u32 window_id);

// Record index of a component in the live table; 0 and the window's own id name
// record 0. -1 when absent.
int find_record(const WindowDescriptor& window, u32 component_id);

// The object in a record's slot (null when empty), and the same only while its
// platform window is alive.
ComponentObject* slot_object(const WindowDescriptor& window, int index);
ComponentObject* live_object(const WindowDescriptor& window, int index);
ComponentObject* live_object(u32 window_id, u32 component_id);

// A window counts as loaded while record 0 holds an object with a live window.
bool window_alive(const WindowDescriptor& window);
bool any_window_alive();
std::vector<u32> loaded_window_ids();

// The snapshot taken at the start of a load goes back into the live table when the
// window is gone, dropping every change made while it was loaded.
void restore_snapshot(WindowDescriptor& window);

}  // namespace forms
