#include "tuner/search_handlers.h"

#include <cstring>
#include <memory>

#include "logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/install_search.h"
#include "tuner/log_cleanup.h"
#include "tuner/main_window.h"
#include "tuner/routines.h"
#include "tuner/texts.h"
#include "tuner/tool_kernel_handle.h"
#include "tuner/tool_state.h"
#include "tuner/worker_wait.h"

namespace tuner {
namespace {

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
    // The press under way keeps the client it started on to its end: the search for
    // the new choice follows it.
    if (cleanup_running()) {
        s.drive_choice_waiting = true;
        return;
    }
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
    ToolKernelHandle thread(dll::CreateThread(nullptr, 0, &run_search, job.get(), 0, nullptr, {kRoutineDriveChanged, 1}),
                            {kRoutineDriveChanged, 3});

    if (thread) {
        wait_for_worker(thread.get());
        thread.close();
    }

    if (s.newest_search == job.get()) {
        s.newest_search = nullptr;
        if (!s.window_gone) take_result(*job);
    }
    logic::release(job->found);
}

void search_for_waiting_drive_choice() {
    ToolState& s = state();
    if (!s.drive_choice_waiting || cleanup_running()) return;
    s.drive_choice_waiting = false;
    if (!s.window_gone) on_drive_changed();
}

void on_window_destroy() {
    // Every search or cleanup still running has its handler below this one on the
    // stack, waiting for it: those waits see the flags set here and honour the deadline.
    ToolState& s = state();
    s.window_gone = true;
    s.closed_at = dll::GetTickCount({kRoutineWindowDestroy, 2});
    if (s.newest_search) s.newest_search->stop = true;  // older ones were stopped when superseded
    stop_cleanup();
}

}  // namespace tuner
