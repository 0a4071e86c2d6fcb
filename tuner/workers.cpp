#include "tuner/workers.h"

#include <algorithm>
#include <utility>

#include "tuner/dll_commands.h"
#include "tuner/platform_error.h"
#include "tuner/routines.h"
#include "tuner/tool_state.h"

namespace tuner {
namespace {

// How long workers get to stop, all together, once the window has closed.
constexpr rt::u32 kCloseGraceMilliseconds = 2000;
// A worker that has posted its number has nothing left to do but return.
constexpr rt::u32 kThreadEndMilliseconds = 2000;
// A post fails when the queue is full: the worker tries again.
constexpr rt::u32 kPostRetryMilliseconds = 10;

constexpr logic::Site at(rt::i32 site) { return {kRoutineWindowDestroy, site}; }

Workers& workers() { return state().workers; }

rt::u32 __stdcall run_worker(void* job_pointer) {
    auto& job = *static_cast<WorkerJob*>(job_pointer);
    job.run();
    // Once posted, the job is the UI thread's to free: the number is read before. Until
    // then the job is still there, also when the window has closed, since closing waits
    // for this thread rather than for its message.
    const rt::u32 number = job.number;
    while (!logic::post_result(number) && !job.stop.load()) dll::Sleep(kPostRetryMilliseconds, at(4));
    return 0;
}

// The worker `number`'s result, on the UI thread: its thread is closed and its job
// freed once the job has finished. A number that names no running worker (one freed
// when the window closed) is passed over.
void take_result(rt::u32 number) {
    auto& running = workers().running;
    const auto it = std::find_if(running.begin(), running.end(),
                                 [number](const RunningWorker& w) { return w.job->number == number; });
    if (it == running.end()) return;
    RunningWorker worker = std::move(*it);
    running.erase(it);
    if (worker.thread) dll::WaitForSingleObject(worker.thread.get(), kThreadEndMilliseconds, at(5));
    worker.thread.close();
    const HandlerUnderWay finishing;  // what the finish starts takes its turn after it
    worker.job->finish();
}

void on_result_posted(rt::u32 number) {
    Workers& w = workers();
    if (w.handlers_under_way > 0)
        w.results_waiting.push_back(number);
    else
        take_result(number);
}

}  // namespace

void receive_worker_results() { logic::set_result_receiver(on_result_posted); }

void start_worker(std::unique_ptr<WorkerJob> job, logic::Site where) {
    Workers& w = workers();
    job->number = ++w.last_number;
    WorkerJob& started = *job;
    w.running.push_back({std::move(job), {}});
    ToolKernelHandle thread(dll::CreateThread(nullptr, 0, &run_worker, &started, 0, nullptr, where), where);
    if (thread) {
        w.running.back().thread = std::move(thread);  // nothing ran on this thread since
        return;
    }
    started.run_without_thread();
    logic::post_result(started.number);
}

HandlerUnderWay::HandlerUnderWay() { ++workers().handlers_under_way; }

HandlerUnderWay::~HandlerUnderWay() {
    Workers& w = workers();
    if (--w.handlers_under_way > 0 || w.taking_waiting) return;
    // In the order posted, one after the other: what arrives meanwhile joins the end.
    w.taking_waiting = true;
    while (!w.results_waiting.empty()) {
        const rt::u32 number = w.results_waiting.front();
        w.results_waiting.erase(w.results_waiting.begin());
        take_result(number);
    }
    w.taking_waiting = false;
}

void stop_workers() {
    Workers& w = workers();
    for (RunningWorker& r : w.running) r.job->stop = true;
    const ToolState& s = state();
    for (RunningWorker& r : w.running) {
        if (!r.thread) continue;
        const rt::u32 waited = dll::GetTickCount(at(2)) - s.closed_at;
        const rt::u32 left = waited < kCloseGraceMilliseconds ? kCloseGraceMilliseconds - waited : 0;
        // Past the deadline the process ends here: before the jobs are freed and the
        // runtime frees the DLL table, both of which a live worker still uses.
        if (dll::WaitForSingleObject(r.thread.get(), left, at(6)) != kWaitObject0) dll::ExitProcess(0, at(3));
    }
    w.running.clear();
    w.results_waiting.clear();
}

void end_process_past_close_deadline() {
    const ToolState& s = state();
    if (!s.window_gone || dll::GetTickCount(at(2)) - s.closed_at < kCloseGraceMilliseconds) return;
    dll::ExitProcess(0, at(3));
}

}  // namespace tuner
