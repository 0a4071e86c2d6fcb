// The log deletion of the Cross step and the log cleanup step, on a thread of its own:
// a client may hold a hundred thousand logs, and the window must keep answering.
#pragma once
#include <atomic>

#include "logic/values.h"

namespace tuner {

// Owned by the step that starts it, which waits for it to end; the cleanup thread
// borrows it and only reads it.
struct CleanupJob {
    logic::Text directory;          // ends in a backslash
    std::atomic<bool> stop{false};  // the window closing
};

// The cleanup thread's start routine.
rt::u32 __stdcall run_cleanup(void* job);

// Deletes every log below `install_directory` (which gets its trailing backslash) and
// returns once that is done, the window's events running meanwhile. False when the
// window closed meanwhile: the cleanup stopped between two files, and the press ends
// there.
bool clean_logs(logic::Text& install_directory);

bool cleanup_running();
// While a cleanup runs: tells the user to wait, in the same words for every action,
// and returns true.
bool refuse_while_cleaning();
// The window closed: a cleanup under way ends after the file it is on.
void stop_cleanup();

}  // namespace tuner
