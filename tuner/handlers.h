// The tool's event handlers and the table the window template's bindings point into.
#pragma once
#include "forms/event_handler.h"
#include "tuner/handler_offsets.h"

namespace tuner {

void on_optimize();
void on_select_all();

// The code base: handler i sits at byte offset handler_offset(i).
const forms::EventHandler* handler_table();

}  // namespace tuner
