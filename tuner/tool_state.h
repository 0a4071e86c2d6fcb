// What every handler shares: the client's install directory, the paths the searches
// collected, the workers running, and the press in progress. Only the UI thread
// touches it.
#pragma once
#include <cstddef>
#include <memory>
#include <vector>

#include "logic/values.h"
#include "tuner/held_folder.h"
#include "tuner/workers.h"

namespace tuner {

// An optimize press: its steps, in order. A step that starts a log cleanup ends the
// press's turn, and the cleanup's result takes it on from the next step.
struct Press {
    HeldFolder install;  // held from the first step to the last
    std::vector<void (*)()> steps;
    size_t next = 0;
};

struct ToolState {
    logic::Text install_directory;     // no trailing backslash until a log deletion adds one
    logic::TextArray search_results;   // every qualifying path found, never emptied
    Workers workers;
    WorkerJob* newest_search = nullptr;        // the search whose result counts, until it reports
    const WorkerJob* cleanup = nullptr;  // the log cleanup under way, until it reports
    std::unique_ptr<Press> press;      // the optimize press under way, while a cleanup holds it
    bool drive_choice_waiting = false;  // a drive was chosen during a cleanup: searched for after the press
    bool window_gone = false;          // set by the destroy handler
    rt::u32 closed_at = 0;             // the tick count when the window closed
    bool drive_root_told = false;      // the optimize press in progress said why it skipped
};

ToolState& state();

// Sets the state up at program start and frees it from the at-exit list.
void create_tool_state();
void clean_up_tool_state(rt::i32 position);

}  // namespace tuner
