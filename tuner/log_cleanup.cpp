#include "tuner/log_cleanup.h"

#include <memory>

#include "logic/commands.h"
#include "tuner/file_routines.h"
#include "tuner/main_window.h"
#include "tuner/routines.h"
#include "tuner/steps.h"
#include "tuner/texts.h"
#include "tuner/tool_state.h"
#include "tuner/workers.h"

namespace tuner {
namespace {

class LogCleanup final : public WorkerJob {
public:
    LogCleanup(const char* directory, void (*after)()) : directory_(logic::Text::copy(directory)), after_(after) {}

    void run() override { delete_matching_files(directory_.get(), kLogPattern, true, stop); }
    // No thread to spare: the window waits, the logs still go.
    void run_without_thread() override { run(); }

    void finish() override {
        state().cleanup = nullptr;
        after_();
        continue_press();
    }

private:
    const logic::Text directory_;  // ends in a backslash; the cleanup thread only reads it
    void (*const after_)();
};

}  // namespace

void clean_logs(logic::Text& install_directory, void (*after)()) {
    ToolState& s = state();
    if (!prepare_deletion(install_directory, kLogPattern)) {
        if (!s.window_gone) after();
        return;
    }
    auto job = std::make_unique<LogCleanup>(install_directory.get(), after);
    s.cleanup = job.get();
    start_worker(std::move(job), {kRoutineDeleteFiles, 30});
}

bool cleanup_running() { return state().cleanup != nullptr; }

bool refuse_while_cleaning() {
    if (!cleanup_running()) return false;
    logic::message_box(kCleaning, kErrorStyle, kFriendlyTip);
    return true;
}

}  // namespace tuner
