// The tool's handler table: the code base the window template's event bindings are
// relative to. A binding stores the byte offset of its handler's slot in the table;
// the slots are named with the template (tuner/main_window_ids.h).
#pragma once
#include "tuner/main_window_ids.h"

namespace tuner {

constexpr rt::i32 handler_offset(Handler h) { return h * static_cast<rt::i32>(sizeof(void*)); }

}  // namespace tuner
