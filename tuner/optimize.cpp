// The optimize action and the select-all box.
#include "logic/commands.h"
#include "tuner/handlers.h"
#include "tuner/held_folder.h"
#include "tuner/main_window.h"
#include "tuner/process_check.h"
#include "tuner/search_handlers.h"
#include "tuner/steps.h"
#include "tuner/texts.h"
#include "tuner/tool_state.h"

namespace tuner {
namespace {

// A window closed during a log cleanup ends the press there: nothing is left to show
// a result in.
bool window_closed() { return state().window_gone; }

void run_ticked_steps() {
    state().drive_root_told = false;  // a new press may say it again
    if (find_process(kWeGame, false) != 0) {
        logic::message_box(kQuitWeGame, kErrorStyle, kSevereWarning);
        return;
    }
    if (no_drive_chosen()) {
        logic::message_box(kNoDriveChosen, kErrorStyle, kFriendlyTip);
        return;
    }
    if (refuse_without_install_directory()) return;

    if (is_ticked(kSelectAllBox)) {
        // The select-all box alone decides this path; it leaves the power plan alone.
        run_dx11_step();
        run_cross_step();
        if (window_closed()) return;
        run_log_cleanup_step();
        if (window_closed()) return;
        show_result(kOptimized, kTeal);
        return;
    }
    if (is_ticked(kDx11Box)) run_dx11_step();
    if (is_ticked(kCrossBox)) run_cross_step();
    if (window_closed()) return;
    if (is_ticked(kLogBox)) run_log_cleanup_step();
    if (window_closed()) return;
    if (is_ticked(kPowerBox)) run_power_plan_step();
}

}  // namespace

void on_optimize() {
    {
        // Held from the first step to the last: on a platform that keeps a folder
        // held open in place, no step can be sent elsewhere by swapping it.
        const HeldFolder install = HeldFolder::open(state().install_directory.get());
        run_ticked_steps();
    }
    // A drive chosen while the press cleaned logs is searched for only now, so that
    // every step of the press worked on the client it started on.
    search_for_waiting_drive_choice();
}

void on_select_all() {
    const bool tick = kMainWindow.read_int(kSelectAllBox, kChecked) != 0;
    for (Component box : {kDx11Box, kCrossBox, kLogBox, kPowerBox}) set_ticked(box, tick);
}

}  // namespace tuner
