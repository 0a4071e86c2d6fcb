#include "tuner/search_handlers.h"

#include <cstring>
#include <memory>

#include "logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/install_search.h"
#include "tuner/kernel_handle.h"
#include "tuner/main_window.h"
#include "tuner/routines.h"
#include "tuner/texts.h"
#include "tuner/tool_state.h"

namespace tuner {
namespace {

constexpr rt::u32 kStillActive = 259;
constexpr rt::i32 kPollMilliseconds = 10;
// How long searches get to stop, all together, once the window has closed.
constexpr rt::u32 kCloseGraceMilliseconds = 2000;

bool thread_running(rt::u32 thread) {
    rt::u32 code = 0;
    const bool ok = dll::GetExitCodeThread(thread, &code, {kRoutineWindowDestroy, 1});
    return ok && code == kStillActive;
}

rt::u32 tick_count() {
    return dll::GetTickCount({kRoutineWindowDestroy, 2});
}

// Searches stop at their flag, but one blocked in slow I/O does not get there, and
// the waits for it (nested, one per drive change) would keep the process alive with
// no window. Once the window has closed they share one deadline, and at it the
// process ends here: before the waiting handlers free the search jobs and the runtime
// frees the DLL table, both of which a live search thread still uses. A thread is
// never ended on its own: it may hold the heap's lock.
void end_process_past_close_deadline() {
    const ToolState& s = state();
    if (!s.window_gone || tick_count() - s.closed_at < kCloseGraceMilliseconds) return;
    dll::ExitProcess(0, {kRoutineWindowDestroy, 3});
}

// The window stays live while a search walks: its events, a newer drive choice or the
// window closing among them, run in between.
void wait_for_search(rt::u32 thread) {
    while (thread_running(thread)) {
        end_process_past_close_deadline();
        logic::process_events();
        logic::delay(kPollMilliseconds);
    }
}

// The search thread keeps nothing of the UI's: its result is taken here, on the UI
// thread, and only when no newer drive choice superseded it.
void take_result(SearchJob& job) {
    ToolState& s = state();
    if (job.found) {
        s.search_results.append(job.found);
        s.install_directory = logic::Text::adopt(install_directory_of(job.found));
        set_caption(kPromptLabel, s.install_directory.get());
    } else {
        set_caption(kPromptLabel, kNotFound);
    }
}

}  // namespace

bool search_running() { return state().newest_search != nullptr; }

bool refuse_while_searching() {
    if (!search_running()) return false;
    logic::message_box(kSearching, kErrorStyle, kFriendlyTip);
    return true;
}

void on_drive_changed() {
    ToolState& s = state();
    logic::Text drive = kMainWindow.read_text(kDriveBox, kCurrentDrive);

    set_caption(kPromptLabel, kSearching);
    s.install_directory.reset();  // no step works on the client of an earlier choice
    if (s.newest_search) s.newest_search->stop = true;

    // This handler owns the job to its end. The state only points at it while it is
    // the newest search, and the search thread borrows it: the wait below outlasts
    // the thread, and a thread past the close deadline ends with the process.
    const auto job = std::make_unique<SearchJob>();
    job->root[0] = drive.empty() ? 'C' : drive.c_str()[0];
    std::memcpy(job->root + 1, kDriveRootSuffix, 3);
    s.newest_search = job.get();
    KernelHandle thread(dll::CreateThread(nullptr, 0, &run_search, job.get(), 0, nullptr, {kRoutineDriveChanged, 1}),
                        {kRoutineDriveChanged, 3});

    if (thread) {
        wait_for_search(thread.get());
        thread.close();
    }

    if (s.newest_search == job.get()) {
        s.newest_search = nullptr;
        if (!s.window_gone) take_result(*job);
    }
    logic::release(job->found);
}

void on_window_destroy() {
    // Every search still running has its drive change's handler below this one on the
    // stack, waiting for it: those waits see the flags set here and honour the deadline.
    ToolState& s = state();
    s.window_gone = true;
    s.closed_at = tick_count();
    if (s.newest_search) s.newest_search->stop = true;  // older ones were stopped when superseded
}

}  // namespace tuner
