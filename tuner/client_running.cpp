#include "tuner/client_running.h"

#include "logic/commands.h"
#include "logic/constants.h"
#include "tuner/main_window.h"
#include "tuner/process_check.h"
#include "tuner/texts.h"

namespace tuner {
namespace {

TRIVANE_CONSTANT const char kCloseClientFirst[] = "请先关闭英雄联盟客户端，再进行此操作";

TRIVANE_CONSTANT const char kClientGame[] = "League of Legends.exe";

// The launcher window, its interface process and the game itself: any of them holds
// or rewrites the files.
bool client_runs() {
    for (const char* name : {kClientProgram, kClientUxProgram, kClientGame})
        if (find_process(name, false) != 0) return true;
    return false;
}

}  // namespace

bool refuse_while_client_runs() {
    if (!client_runs()) return false;
    logic::message_box(kCloseClientFirst, kErrorStyle, kFriendlyTip);
    return true;
}

}  // namespace tuner
