// Event delivery: from a component's numbered event to the handler its window
// template binds to it, and the current event source while a handler runs.
#pragma once
#include <initializer_list>

#include "forms/event_handler.h"

namespace forms {

// The raise-event service. Nothing is delivered while the loading counter is above
// 0. Returns true when a handler ran; fills result_present and result.
bool raise_event(EventRecord* record);

// The same for the runtime's own callers.
bool raise_event(rt::u32 window_id, rt::u32 component_id, rt::i32 event, std::initializer_list<rt::u32> args = {},
                 EventRecord* out = nullptr);

// The window id and component id of the event being handled; false when none is.
bool current_event_source(rt::u32* window_id, rt::u32* component_id);

// True when the record says the handler ran and returned false: how "may close"
// and "close requested" refuse.
inline bool refused(const EventRecord& r) { return r.result_present && r.result == 0; }

}  // namespace forms
