// The power plan: the high performance scheme copied, then made the active one, by
// the system's powercfg through the system's command interpreter.
#include "logic/commands.h"
#include "tuner/change_record.h"
#include "tuner/routines.h"
#include "tuner/steps.h"
#include "tuner/system_directory.h"
#include "tuner/texts.h"

namespace tuner {

void run_power_plan_step() {
    const logic::Text dir = system_directory({kRoutinePowerPlan, 1});
    if (dir.empty()) return;  // never by bare name
    const char* d = dir.get();
    const logic::Text duplicate = logic::join({"\"", d, "\\cmd.exe\" /c \"", d, "\\powercfg.exe\"", kPowerDuplicate});
    const logic::Text activate = logic::join({"\"", d, "\\cmd.exe\" /c \"", d, "\\powercfg.exe\"", kPowerActivate});
    // The copy of the scheme must exist before it can be made the active one.
    record_outcome(Change::Run, duplicate.get(), logic::run_program(duplicate.get(), true));
    record_outcome(Change::Run, activate.get(), logic::run_program(activate.get(), false));
}

}  // namespace tuner
