// The log deletion of the Cross step and the log cleanup step, on a thread of its own:
// a client may hold a hundred thousand logs, and the window must keep answering.
#pragma once
#include "logic/values.h"

namespace tuner {

// Starts deleting every log below `install_directory` (which gets its trailing
// backslash) and returns at once. Once the logs are gone, `after` runs on the UI thread
// and the press goes on (continue_press); when the window closes first, the cleanup
// stops between two files and neither runs. When there is nothing to delete, `after`
// runs before this returns.
void clean_logs(logic::Text& install_directory, void (*after)());

bool cleanup_running();
// While a cleanup runs: tells the user to wait, in the same words for every action,
// and returns true.
bool refuse_while_cleaning();

}  // namespace tuner
