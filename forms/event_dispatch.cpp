#include "forms/event_dispatch.h"

#include "forms/component_type.h"
#include "forms/record_fields.h"
#include "forms/window_registry.h"
#include "runtime/application.h"
#include "runtime/error_box.h"

namespace forms {
namespace {

struct Source {
    bool active = false;
    u32 window_id = 0;
    u32 component_id = 0;
} g_source;

[[noreturn]] void fail(const char* message, u32 window_id, u32 component_id) {
    rt::report_error_message(message, static_cast<i32>(window_id), static_cast<i32>(component_id));
}

// Follows event links while they name a record of the same type; a cycle stops
// after every record was visited once.
int follow_links(const ComponentTable& table, int index) {
    const u32 type_id = record_type_id(table.records[index]);
    for (size_t steps = 0; steps < table.records.size(); ++steps) {
        const u32 link = record_event_link(table.records[index]);
        if (link == 0) break;
        const int next = table.find(link);
        if (next < 0 || next == index || record_type_id(table.records[next]) != type_id) break;
        index = next;
    }
    return index;
}

}  // namespace

bool raise_event(EventRecord* record) {
    if (rt::app().loading_counter >= 1) return false;

    const WindowDescriptor* window = find_descriptor(record->window_id);
    if (!window) fail("未找到引发事件的窗口", record->window_id, 0);
    int index = find_record(*window, record->component_id);
    if (index < 0) fail("未找到引发事件的窗口组件", record->window_id, record->component_id);
    const u32 source_component = window->live.ids[index];

    index = follow_links(window->live, index);
    RecordView view;
    if (!parse_record(window->live.records[index], &view) || !type_raises_events(find_type(view.type_id)))
        fail("引发事件的窗口组件无效", record->window_id, record->component_id);

    u32 handler = 0;
    for (const EventBinding& binding : view.events)
        if (binding.event == record->event) {
            handler = static_cast<u32>(binding.handler);
            break;
        }
    if (handler == 0) return false;
    EventHandler routine = *reinterpret_cast<const EventHandler*>(handler);
    if (!routine) return false;

    g_source = {true, record->window_id, source_component};
    const u32 count = record->argument_count > kMaxEventArguments ? kMaxEventArguments : record->argument_count;
    bool returned = false;
    const u32 value = routine(record->arguments, static_cast<i32>(count), &returned);
    g_source = {};
    if (returned) {
        record->result_present = 1;
        record->result = value;
    }
    return true;
}

bool raise_event(u32 window_id, u32 component_id, i32 event, std::initializer_list<u32> args, EventRecord* out) {
    EventRecord record = {};
    record.window_id = window_id;
    record.component_id = component_id;
    record.event = event;
    for (u32 a : args) {
        if (record.argument_count == kMaxEventArguments) break;
        record.arguments[record.argument_count++] = a;
    }
    const bool ran = raise_event(&record);
    if (out) *out = record;
    return ran;
}

bool current_event_source(u32* window_id, u32* component_id) {
    if (!g_source.active) return false;
    *window_id = g_source.window_id;
    *component_id = g_source.component_id;
    return true;
}

}  // namespace forms
