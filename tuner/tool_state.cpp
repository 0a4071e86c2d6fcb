#include "tuner/tool_state.h"

#include "tuner/dll_commands.h"
#include "tuner/routines.h"

namespace tuner {
namespace {
// Made at program start, freed by the at-exit routine, so nothing of it outlives the
// runtime that owns its memory.
ToolState* g_state = nullptr;
}  // namespace

ToolState& state() { return *g_state; }

void create_tool_state() {
    if (g_state) return;
    g_state = new ToolState();
    receive_worker_results();
}

void clean_up_tool_state(rt::i32 /*position*/) {
    if (!g_state) return;
    // The window closing stopped every worker; a program that ended otherwise stops
    // them here, before their jobs go.
    if (!g_state->window_gone) {
        g_state->window_gone = true;
        g_state->closed_at = dll::GetTickCount({kRoutineWindowDestroy, 2});
    }
    stop_workers();
    logic::set_result_receiver(nullptr);
    delete g_state;
    g_state = nullptr;
}

}  // namespace tuner
