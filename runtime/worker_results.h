// How a worker thread of the program hands a result to the main thread: it posts a
// number to the hidden owner window, whose procedure hands it to the program's receiver
// on the main thread. The number means something only to the program, which looks it up
// among its own work: nothing taken from a message is used as an address.
#pragma once
#include "runtime/values.h"

namespace rt {

using ResultReceiver = void (*)(u32 number);

// Helper 7: the routine that takes each posted number on the main thread (null: none).
void set_result_receiver(ResultReceiver receiver);

// Helper 8, on any thread: true when the number is on its way to the main thread.
bool post_result(u32 number);

// The hidden owner window's part: hands a posted number to the receiver, unless the
// program is ending.
void deliver_result(u32 number);

}  // namespace rt
