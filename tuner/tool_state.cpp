#include "tuner/tool_state.h"

namespace tuner {
namespace {
// Made at program start, freed by the at-exit routine, so nothing of it outlives the
// runtime that owns its memory.
ToolState* g_state = nullptr;
}  // namespace

ToolState& state() { return *g_state; }

void create_tool_state() {
    if (!g_state) g_state = new ToolState();
}

void clean_up_tool_state(rt::i32 /*position*/) {
    delete g_state;
    g_state = nullptr;
}

}  // namespace tuner
