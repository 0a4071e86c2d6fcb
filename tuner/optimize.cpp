// The optimize action and the select-all box.
#include <memory>

#include "logic/commands.h"
#include "tuner/handlers.h"
#include "tuner/held_folder.h"
#include "tuner/log_cleanup.h"
#include "tuner/main_window.h"
#include "tuner/process_check.h"
#include "tuner/search_handlers.h"
#include "tuner/steps.h"
#include "tuner/texts.h"
#include "tuner/tool_state.h"

namespace tuner {
namespace {

void show_optimized() { show_result(kOptimized, kTeal); }

// Refuses a press that cannot start: shows why and returns true.
bool refuse_press() {
    if (find_process(kWeGame, false) != 0) {
        logic::message_box(kQuitWeGame, kErrorStyle, kSevereWarning);
        return true;
    }
    if (no_drive_chosen()) {
        logic::message_box(kNoDriveChosen, kErrorStyle, kFriendlyTip);
        return true;
    }
    return refuse_without_install_directory();
}

std::vector<void (*)()> ticked_steps() {
    // The select-all box alone decides this path; it leaves the power plan alone.
    if (is_ticked(kSelectAllBox)) return {run_dx11_step, run_cross_step, run_log_cleanup_step, show_optimized};
    std::vector<void (*)()> steps;
    if (is_ticked(kDx11Box)) steps.push_back(run_dx11_step);
    if (is_ticked(kCrossBox)) steps.push_back(run_cross_step);
    if (is_ticked(kLogBox)) steps.push_back(run_log_cleanup_step);
    if (is_ticked(kPowerBox)) steps.push_back(run_power_plan_step);
    return steps;
}

}  // namespace

void on_optimize() {
    ToolState& s = state();
    // A press waiting for powercfg runs the window's events: a second press then would
    // work on the same client beside it.
    if (s.press) {
        logic::message_box(kCleaning, kErrorStyle, kFriendlyTip);
        return;
    }
    auto press = std::make_unique<Press>();
    // Held from the first step to the last: on a platform that keeps a folder held open
    // in place, no step can be sent elsewhere by swapping it.
    press->install = HeldFolder::open(s.install_directory.get());
    s.drive_root_told = false;  // a new press may say it again
    if (!refuse_press()) press->steps = ticked_steps();
    s.press = std::move(press);
    continue_press();
}

void continue_press() {
    ToolState& s = state();
    // A window closed meanwhile ends the press: nothing is left to show a result in.
    while (s.press && !s.window_gone && s.press->next < s.press->steps.size()) {
        s.press->steps[s.press->next++]();
        if (cleanup_running()) return;  // the cleanup's end takes the press on
    }
    s.press.reset();
    // A drive chosen while the press cleaned logs is searched for only now, so that
    // every step of the press worked on the client it started on.
    search_for_waiting_drive_choice();
}

void on_select_all() {
    const bool tick = kMainWindow.read_int(kSelectAllBox, kChecked) != 0;
    for (Component box : {kDx11Box, kCrossBox, kLogBox, kPowerBox}) set_ticked(box, tick);
}

}  // namespace tuner
