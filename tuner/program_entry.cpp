#include "tuner/program_entry.h"

#include "logic/calls.h"
#include "tuner/program_info.h"
#include "tuner/tool_state.h"

namespace tuner {

rt::i32 program_entry() {
    logic::initialise_runtime();
    create_tool_state();
    logic::register_at_exit(clean_up_tool_state);
    logic::load_start_window(kMainWindowId);
    logic::run_message_loop();
    return 0;
}

}  // namespace tuner
