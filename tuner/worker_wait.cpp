#include "tuner/worker_wait.h"

#include "logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/routines.h"
#include "tuner/tool_state.h"

namespace tuner {
namespace {

constexpr rt::u32 kStillActive = 259;
constexpr rt::i32 kPollMilliseconds = 10;
// How long workers get to stop, all together, once the window has closed.
constexpr rt::u32 kCloseGraceMilliseconds = 2000;

bool thread_running(rt::u32 thread) {
    rt::u32 code = 0;
    const bool ok = dll::GetExitCodeThread(thread, &code, {kRoutineWindowDestroy, 1});
    return ok && code == kStillActive;
}

// Workers stop at their flag, but one blocked in slow I/O does not get there, and
// the waits for it (nested, one per drive change) would keep the process alive with
// no window. Past the deadline the process ends here: before the waiting handlers
// free the jobs and the runtime frees the DLL table, both of which a live worker
// still uses. A thread is never ended on its own: it may hold the heap's lock.
void end_process_past_close_deadline() {
    const ToolState& s = state();
    if (!s.window_gone || dll::GetTickCount({kRoutineWindowDestroy, 2}) - s.closed_at < kCloseGraceMilliseconds)
        return;
    dll::ExitProcess(0, {kRoutineWindowDestroy, 3});
}

}  // namespace

void wait_for_worker(rt::u32 thread) {
    while (thread_running(thread)) {
        end_process_past_close_deadline();
        logic::process_events();
        logic::delay(kPollMilliseconds);
    }
}

}  // namespace tuner
