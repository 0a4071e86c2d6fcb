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
#include "tuner/tool_state.h"
#include "tuner/workers.h"

namespace tuner {
namespace {

// One drive's search. The search thread keeps nothing of the UI's: its result is taken
// on the UI thread, and only when no newer drive choice superseded it.
class DriveSearch final : public WorkerJob {
public:
    explicit DriveSearch(char drive) {
        root_[0] = drive;
        std::memcpy(root_ + 1, kDriveRootSuffix, 3);
    }
    ~DriveSearch() override { logic::release(found_); }

    void run() override { found_ = search_drive(root_, stop); }

    void finish() override {
        ToolState& s = state();
        if (s.newest_search != this) return;
        s.newest_search = nullptr;
        if (found_) {
            s.search_results.append(found_);
            s.install_directory = logic::Text::adopt(install_directory_of(found_));
            set_caption(kPromptLabel, s.install_directory.get());
        } else {
            set_caption(kPromptLabel, kNotFound);
        }
    }

private:
    char root_[4] = {};      // "D:\"
    char* found_ = nullptr;  // the qualifying system.yaml path, a heap text
};

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
    const logic::Text drive = kMainWindow.read_text(kDriveBox, kCurrentDrive);

    set_caption(kPromptLabel, kSearching);
    s.install_directory.reset();  // no step works on the client of an earlier choice
    if (s.newest_search) s.newest_search->stop = true;  // it goes on to its end, reporting to no one
    auto job = std::make_unique<DriveSearch>(drive.empty() ? 'C' : drive.c_str()[0]);
    s.newest_search = job.get();
    start_worker(std::move(job), {kRoutineDriveChanged, 1});
}

void search_for_waiting_drive_choice() {
    ToolState& s = state();
    if (!s.drive_choice_waiting || cleanup_running()) return;
    s.drive_choice_waiting = false;
    if (!s.window_gone) on_drive_changed();
}

void on_window_destroy() {
    ToolState& s = state();
    s.window_gone = true;
    s.closed_at = dll::GetTickCount({kRoutineWindowDestroy, 2});
    stop_workers();
    s.newest_search = nullptr;
    s.cleanup = nullptr;
    s.press.reset();  // a press waiting for its cleanup ends here
}

}  // namespace tuner
