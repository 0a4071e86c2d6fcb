#include "forms/window_system_install.h"

#include <windows.h>

#include "forms/component_object.h"
#include "forms/event_dispatch.h"
#include "forms/loader.h"
#include "forms/object_gone.h"
#include "forms/property_access.h"
#include "forms/window_base.h"
#include "forms/window_registry.h"
#include "runtime/error_box.h"
#include "runtime/library_service.h"
#include "runtime/window_system.h"

namespace forms {
namespace {

void (*g_before_start_window)() = nullptr;

bool load_start_window(u32 window_id) {
    if (g_before_start_window) g_before_start_window();
    return load_window(window_id, nullptr, false);
}

u32 current_source(u32* record) {
    u32 window_id = 0, component_id = 0;
    if (!record || !current_event_source(&window_id, &component_id)) return 0;
    record[0] = window_id;
    record[1] = component_id;
    return 1;
}

u32 service(i32 code, u32 arg1, u32 arg2, bool* handled) {
    *handled = true;
    switch (code) {
    case rt::kSvcLoadedTemplates: return reinterpret_cast<u32>(&loaded_templates());
    case rt::kSvcObjectGone: object_gone(arg1, arg2); return 0;
    case rt::kSvcComponentObject: return reinterpret_cast<u32>(live_object(arg1, arg2));
    case rt::kSvcComponentObjectRequired:
        if (ComponentObject* object = live_object(arg1, arg2)) return reinterpret_cast<u32>(object);
        rt::report_error_message("指定窗口或窗口组件不存在或尚未载入", static_cast<i32>(arg1), static_cast<i32>(arg2));
    case rt::kSvcRaiseEvent: return raise_event(reinterpret_cast<EventRecord*>(arg1)) ? 1 : 0;
    case rt::kSvcCurrentEventSource: return current_source(reinterpret_cast<u32*>(arg1));
    default: *handled = false; return 0;
    }
}

// From the message's window up to its top-level window, each object may take it.
bool pre_translate(MSG* message) {
    for (HWND h = message->hwnd; h; h = GetParent(h)) {
        if (ComponentObject* object = ComponentObject::from_window(h); object && object->pre_translate(message))
            return true;
        if (!(GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) break;  // GetParent would name the owner
    }
    return false;
}

bool offer_idle(u32 window_id, u32 elapsed_ms) {
    EventRecord r;
    return raise_event(window_id, 0, kWindowIdle, {elapsed_ms}, &r) && r.result_present && r.result != 0;
}

void shutdown_objects() { WindowBase::destroy_all(); }

rt::TemplateNames template_names(u32 window_id, u32 component_id) {
    rt::TemplateNames names = {false, {}, false, 0, {}};
    const WindowDescriptor* window = find_descriptor(window_id);
    if (!window || window->live.records.empty()) return names;
    RecordView view;
    names.window_found = true;
    if (parse_record(window->live.records[0], &view)) names.window_name = view.name;  // the window's own record
    const int index = find_record(*window, component_id);
    if (index >= 0 && parse_record(window->live.records[index], &view)) {
        names.record_found = true;
        names.record_id = window->live.ids[index];
        names.record_name = view.name;
    }
    return names;
}

const rt::WindowSystem kWindowSystem = {
    read_templates, free_templates,  load_start_window, read_property,  write_property,
    read_reference_property,        write_reference_property, service, any_window_alive,
    pre_translate,  loaded_window_ids, offer_idle,       shutdown_objects,
};

}  // namespace

void install_window_system(void (*before_start_window)()) {
    g_before_start_window = before_start_window;
    rt::install_window_system(&kWindowSystem);
    rt::set_template_name_lookup(template_names);
}

}  // namespace forms
