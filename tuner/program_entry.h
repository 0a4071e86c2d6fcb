#pragma once
#include "runtime/values.h"

namespace tuner {

// The program entry the process entry calls: initialise the runtime, set up the
// globals and their clean-up, load the start window, run the message loop.
rt::i32 program_entry();

}  // namespace tuner
