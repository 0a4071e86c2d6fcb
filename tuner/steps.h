// The tuning steps the optimize action runs, and the DX11 restore. The Cross and log
// cleanup steps return with their cleanup still running; its end shows their result
// and takes the press on.
#pragma once

namespace tuner {

void run_dx11_step();
void run_cross_step();
void run_log_cleanup_step();
void run_power_plan_step();

// Runs the press's next steps, up to one that starts a log cleanup; at the press's end,
// releases its folder and searches for a drive chosen meanwhile.
void continue_press();

// The super button's click: DX11 test mode off again.
void on_dx11_restore();

// True when the prompt label still shows the drive prompt.
bool no_drive_chosen();
// Refuses work on an empty install directory: shows why and returns true.
bool refuse_without_install_directory();

}  // namespace tuner
