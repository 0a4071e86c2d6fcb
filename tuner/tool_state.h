// What every handler shares: the client's install directory, the paths the searches
// collected, and the search and the log cleanup in progress. Only the UI thread
// touches it.
#pragma once
#include "logic/values.h"

namespace tuner {

struct SearchJob;
struct CleanupJob;

struct ToolState {
    logic::Text install_directory;     // no trailing backslash until a log deletion adds one
    logic::TextArray search_results;   // every qualifying path found, never emptied
    SearchJob* newest_search = nullptr;  // the search whose result counts, while it runs; its handler owns it
    CleanupJob* cleanup = nullptr;     // the log cleanup under way; the step waiting for it owns it
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
