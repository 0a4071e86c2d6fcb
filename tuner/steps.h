// The tuning steps the optimize action runs, and the DX11 restore.
#pragma once

namespace tuner {

void run_dx11_step();
void run_cross_step();
void run_log_cleanup_step();
void run_power_plan_step();

// The super button's click: DX11 test mode off again.
void on_dx11_restore();

// True when the prompt label still shows the drive prompt.
bool no_drive_chosen();
// Refuses work on an empty install directory: shows why and returns true.
bool refuse_without_install_directory();

}  // namespace tuner
