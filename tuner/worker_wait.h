// How the UI thread waits for a worker thread of its own (the install directory search,
// the log cleanup) while the window stays live.
#pragma once
#include "runtime/values.h"

namespace tuner {

// Returns once `thread` has ended. Meanwhile the window's events run, the window
// closing among them. Once it has closed, every worker still waited for shares one
// deadline, and past it the process ends here.
void wait_for_worker(rt::u32 thread);

}  // namespace tuner
