#include "tuner/log_cleanup.h"

#include "logic/commands.h"
#include "tuner/dll_commands.h"
#include "tuner/file_routines.h"
#include "tuner/main_window.h"
#include "tuner/routines.h"
#include "tuner/texts.h"
#include "tuner/tool_kernel_handle.h"
#include "tuner/tool_state.h"
#include "tuner/worker_wait.h"

namespace tuner {

rt::u32 __stdcall run_cleanup(void* job_pointer) {
    auto& job = *static_cast<CleanupJob*>(job_pointer);
    delete_matching_files(job.directory.get(), kLogPattern, true, job.stop);
    return 0;
}

bool clean_logs(logic::Text& install_directory) {
    ToolState& s = state();
    if (!prepare_deletion(install_directory, kLogPattern)) return !s.window_gone;
    CleanupJob job;
    job.directory = logic::Text::copy(install_directory.get());
    s.cleanup = &job;
    ToolKernelHandle thread(
        dll::CreateThread(nullptr, 0, &run_cleanup, &job, 0, nullptr, {kRoutineDeleteFiles, 30}),
        {kRoutineDeleteFiles, 31});
    if (thread) {
        wait_for_worker(thread.get());
        thread.close();
    } else {
        run_cleanup(&job);  // no thread to spare: the window waits, the logs still go
    }
    s.cleanup = nullptr;
    return !s.window_gone;
}

bool cleanup_running() { return state().cleanup != nullptr; }

bool refuse_while_cleaning() {
    if (!cleanup_running()) return false;
    logic::message_box(kCleaning, kErrorStyle, kFriendlyTip);
    return true;
}

void stop_cleanup() {
    if (CleanupJob* job = state().cleanup) job->stop = true;
}

}  // namespace tuner
