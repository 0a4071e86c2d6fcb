// The tool's worker threads: the install directory search and the log cleanup. The UI
// thread owns each job; its thread borrows it and, as its last act, posts the job's
// number, which the runtime hands back on the UI thread. There the job's result is
// taken, its thread closed and the job freed. Nothing on the UI thread waits for a
// worker while the window is open.
#pragma once
#include <atomic>
#include <memory>
#include <vector>

#include "logic/calls.h"
#include "tuner/tool_kernel_handle.h"

namespace tuner {

class WorkerJob {
public:
    WorkerJob() = default;
    WorkerJob(const WorkerJob&) = delete;
    WorkerJob& operator=(const WorkerJob&) = delete;
    virtual ~WorkerJob() = default;

    // On the worker thread; it ends soon after `stop` is set.
    virtual void run() = 0;
    // On the UI thread when no thread could be had: by default the job does nothing
    // and its result is that of a job that found nothing.
    virtual void run_without_thread() {}
    // On the UI thread once `run` has ended, while the window is open.
    virtual void finish() = 0;

    std::atomic<bool> stop{false};  // a newer choice, or the window closing
    rt::u32 number = 0;             // given by start_worker before the thread starts
};

struct RunningWorker {
    std::unique_ptr<WorkerJob> job;
    ToolKernelHandle thread;  // none when the job ran on the UI thread
};

// What the tool state keeps of its workers; UI thread only.
struct Workers {
    std::vector<RunningWorker> running;
    std::vector<rt::u32> results_waiting;  // posted while a handler was under way
    rt::u32 last_number = 0;
    rt::i32 handlers_under_way = 0;
    bool taking_waiting = false;
};

// Hands posted numbers to the workers; set once at program start.
void receive_worker_results();

// Starts `job` on a thread of its own and returns at once; its `finish` follows by
// message, also when there was no thread for it.
void start_worker(std::unique_ptr<WorkerJob> job, logic::Site where);

// While a handler of the tool runs (a message box it shows among it), results wait and
// are taken once the outermost one has returned: a result is never taken in the middle
// of another action.
class HandlerUnderWay {
public:
    HandlerUnderWay();
    ~HandlerUnderWay();
    HandlerUnderWay(const HandlerUnderWay&) = delete;
    HandlerUnderWay& operator=(const HandlerUnderWay&) = delete;
};

// The window has closed: every worker is told to stop, and the UI thread waits for
// them, all together no longer than workers get to stop. Then every job is freed, its
// result untaken. A worker still running then (one blocked in slow I/O) ends with the
// process, exit code 0: it may hold the heap's lock, so it is never ended on its own.
void stop_workers();

// Ends the process once the window has been closed for longer than workers get to
// stop: a wait of the UI thread that runs the window's events calls it, so that no wait
// keeps the process alive long after its window.
void end_process_past_close_deadline();

}  // namespace tuner
