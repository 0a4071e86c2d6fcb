// The drive box's handler, which starts a search for the client and returns (the
// newest search's result shows when it arrives), and the window's destroy handler,
// which stops the workers still running.
#pragma once
#include "runtime/values.h"

namespace tuner {

// A drive chosen while a log cleanup runs is searched for once the press that runs
// it has ended (search_for_waiting_drive_choice, at the press's end).
void on_drive_changed();
void search_for_waiting_drive_choice();
void on_window_destroy();

// True while a search for the chosen drive has not reported.
bool search_running();
// While a search runs: tells the user to wait, in the same words for every action,
// and returns true.
bool refuse_while_searching();

}  // namespace tuner
