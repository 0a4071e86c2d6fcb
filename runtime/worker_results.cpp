#include "runtime/worker_results.h"

#include <windows.h>

#include "runtime/application.h"

namespace rt {
namespace {
// Set on the main thread, read there when a number arrives.
ResultReceiver g_receiver = nullptr;
}  // namespace

void set_result_receiver(ResultReceiver receiver) { g_receiver = receiver; }

bool post_result(u32 number) {
    // The hidden owner window lives from the runtime's start to its end sequence; a
    // post to it once it is gone fails and says so.
    const HWND owner = app().hidden_owner;
    return owner && PostMessageW(owner, kMsgWorkerResult, static_cast<WPARAM>(number), 0);
}

void deliver_result(u32 number) {
    if (g_receiver && !app().ending) g_receiver(number);
}

}  // namespace rt
