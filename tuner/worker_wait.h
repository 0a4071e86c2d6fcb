// How the UI thread waits for a worker thread of its own (the install directory search,
// the log cleanup) while the window stays live.
#pragma once
#include "runtime/values.h"

namespace tuner {

// Returns once `thread` has ended. Meanwhile the window's events run, the window
// closing among them. Once it has closed, every worker still waited for shares one
// deadline, and past it the process ends here.
void wait_for_worker(rt::u32 thread);

// Ends the process once the window has been closed for longer than workers get to
// stop. Every wait of the UI thread that processes the window's events calls it, so
// that no wait keeps the process alive long after its window.
void end_process_past_close_deadline();

}  // namespace tuner
