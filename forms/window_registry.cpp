#include "forms/window_registry.h"

#include <windows.h>

#include "forms/component_object.h"
#include "forms/record_fields.h"

namespace forms {
namespace {
LoadedTemplates g_templates;
}  // namespace

LoadedTemplates& loaded_templates() { return g_templates; }

bool read_templates(const std::uint8_t* segment, u32 length, const void* code_base, u32 handler_count) {
    TemplateSegment parsed;
    if (!segment && length != 0) return false;
    if (!read_segment(segment, length, &parsed)) return false;
    if (!resolve_handlers(&parsed, reinterpret_cast<u32>(code_base), handler_count)) return false;

    LoadedTemplates fresh;
    for (WindowEntry& entry : parsed.windows) {
        auto d = std::make_unique<WindowDescriptor>();
        d->window_id = entry.window_id;
        d->word_a = entry.word_a;
        d->word_b = entry.word_b;
        d->text1 = std::move(entry.text1);
        d->text2 = std::move(entry.text2);
        d->live = std::move(entry.table);
        fresh.ids.push_back(d->window_id);
        fresh.descriptors.push_back(std::move(d));
    }
    g_templates = std::move(fresh);
    return true;
}

void free_templates() { g_templates = LoadedTemplates{}; }

WindowDescriptor* find_descriptor(u32 window_id) {
    for (size_t i = 0; i < g_templates.ids.size(); ++i)
        if (g_templates.ids[i] == window_id) return g_templates.descriptors[i].get();
    return nullptr;
}

int find_record(const WindowDescriptor& window, u32 component_id) {
    if (component_id == 0) return window.live.ids.empty() ? -1 : 0;
    return window.live.find(component_id);
}

ComponentObject* slot_object(const WindowDescriptor& window, int index) {
    if (index < 0 || static_cast<size_t>(index) >= window.live.records.size()) return nullptr;
    return reinterpret_cast<ComponentObject*>(read_fixed(window.live.records[index], Fixed::Object));
}

ComponentObject* live_object(const WindowDescriptor& window, int index) {
    ComponentObject* object = slot_object(window, index);
    return object && object->hwnd() && IsWindow(object->hwnd()) ? object : nullptr;
}

ComponentObject* live_object(u32 window_id, u32 component_id) {
    const WindowDescriptor* window = find_descriptor(window_id);
    return window ? live_object(*window, find_record(*window, component_id)) : nullptr;
}

bool window_alive(const WindowDescriptor& window) { return live_object(window, 0) != nullptr; }

bool any_window_alive() {
    for (const auto& d : g_templates.descriptors)
        if (window_alive(*d)) return true;
    return false;
}

std::vector<u32> loaded_window_ids() {
    std::vector<u32> ids;
    for (const auto& d : g_templates.descriptors)
        if (window_alive(*d)) ids.push_back(d->window_id);
    return ids;
}

void restore_snapshot(WindowDescriptor& window) {
    if (!window.has_snapshot) return;
    window.live = std::move(window.snapshot);
    window.snapshot = ComponentTable{};
    window.has_snapshot = false;
}

}  // namespace forms
