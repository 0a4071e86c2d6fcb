#include "forms/object_gone.h"

#include <windows.h>

#include "forms/component_object.h"
#include "forms/cursor_value.h"
#include "forms/record_fields.h"
#include "forms/window_registry.h"
#include "runtime/application.h"

namespace forms {
namespace {

int g_replacing = 0;

void clear_component_slots(ByteBlock& record) {
    release_cursor(reinterpret_cast<HCURSOR>(read_fixed(record, Fixed::Cursor)));
    write_fixed(record, Fixed::Cursor, 0);
    write_fixed(record, Fixed::Object, 0);
}

void restore_window(WindowDescriptor& window) {
    restore_snapshot(window);
    rt::Application& a = rt::app();
    if (a.modal_window_id == window.window_id) a.modal_window_id = 0;
}

}  // namespace

ReplacingComponent::ReplacingComponent() { ++g_replacing; }
ReplacingComponent::~ReplacingComponent() { --g_replacing; }
bool ReplacingComponent::active() { return g_replacing > 0; }

void window_gone(u32 window_id) {
    if (WindowDescriptor* window = find_descriptor(window_id)) restore_window(*window);
}

void object_gone(u32 window_id, u32 component_id) {
    if (ReplacingComponent::active()) return;
    WindowDescriptor* window = find_descriptor(window_id);
    if (!window) return;
    if (component_id == 0 || component_id == kWindowRecordId) {
        restore_window(*window);
        return;
    }
    const int index = window->live.find(component_id);
    if (index > 0) clear_component_slots(window->live.records[index]);
}

void component_gone(const ComponentObject* object) {
    WindowDescriptor* window = find_descriptor(object->window_id());
    if (!window) return;
    const int index = find_record(*window, object->component_id());
    if (index < 0 || slot_object(*window, index) != object) return;
    if (index == 0)
        restore_window(*window);
    else
        clear_component_slots(window->live.records[index]);
}

}  // namespace forms
