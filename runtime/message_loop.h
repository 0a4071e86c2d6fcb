// The message loop with its idle phase, its modal form, and the processing of
// pending messages.
#pragma once
#include "runtime/values.h"

namespace rt {

// Entry slot 10: sets the loop-entered flag and runs until the quit message, or
// returns at once when no loaded window is alive.
void run_message_loop();

// The modal form run by the window loader: sets the modal window id, runs until it
// is cleared (or a quit message is next, which stays queued), restores the old id.
void run_modal_loop(u32 modal_window_id);

// Dispatches waiting messages until none is left or a quit message is next.
void process_pending_messages();

// One pass over the idle callbacks, from the last to the first: an entry whose window
// is gone is dropped and never called again.
void run_idle_callbacks();

// The application object's idle routine, given the idle count; exposed for tests.
bool application_idle(i32 idle_count);

}  // namespace rt
