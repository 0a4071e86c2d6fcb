#include "tuner/program_entry.h"

#include "runtime/logic/calls.h"
#include "tuner/program_info.h"

namespace tuner {
namespace {

// Frees the program's global texts and arrays; runs from the at-exit list.
void clean_up_globals(rt::i32 /*position*/) {}

}  // namespace

rt::i32 program_entry() {
    logic::initialise_runtime();
    logic::register_at_exit(clean_up_globals);
    logic::load_start_window(kMainWindowId);
    logic::run_message_loop();
    return 0;
}

}  // namespace tuner
