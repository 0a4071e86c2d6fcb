// The optimize action and the select-all box.
#include "logic/commands.h"
#include "tuner/handlers.h"
#include "tuner/main_window.h"
#include "tuner/process_check.h"
#include "tuner/steps.h"
#include "tuner/texts.h"
#include "tuner/tool_state.h"

namespace tuner {

void on_optimize() {
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
        run_log_cleanup_step();
        show_result(kOptimized, kTeal);
        return;
    }
    if (is_ticked(kDx11Box)) run_dx11_step();
    if (is_ticked(kCrossBox)) run_cross_step();
    if (is_ticked(kLogBox)) run_log_cleanup_step();
    if (is_ticked(kPowerBox)) run_power_plan_step();
}

void on_select_all() {
    const bool tick = kMainWindow.read_int(kSelectAllBox, kChecked) != 0;
    for (Component box : {kDx11Box, kCrossBox, kLogBox, kPowerBox}) set_ticked(box, tick);
}

}  // namespace tuner
