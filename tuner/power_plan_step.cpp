// The power plan: the high performance scheme copied, then made the active one, by
// the system's powercfg, started by itself (no command interpreter) and waited for, so
// the record tells how each command really ended.
#include "logic/constants.h"
#include "tuner/change_record.h"
#include "tuner/program_start.h"
#include "tuner/routines.h"
#include "tuner/steps.h"
#include "tuner/texts.h"
#include "tuner/tool_state.h"

namespace tuner {
namespace {

TRIVANE_CONSTANT const char kPowercfg[] = "\\powercfg.exe";
TRIVANE_CONSTANT const char kTimedOut[] = "超时";

// powercfg ends in well under a second; one that hangs must not hold the tool.
constexpr rt::u32 kCommandLimitMilliseconds = 10000;

constexpr logic::Site at(rt::i32 site) { return {kRoutinePowerPlan, site}; }

void run_powercfg(const char* arguments) {
    const ProgramCommand command = system_program(kPowercfg, arguments, at(1));
    if (command.application.empty()) return;  // never by bare name
    const char* line = command.command_line.get();
    const StartedProgram started = start_program(command, at(2));
    if (!started.process) {
        record_change(Change::Run, line, false, started.error);
        return;
    }
    const ProgramEnd end = wait_for_program(started.process, kCommandLimitMilliseconds, at(3));
    if (end.in_time) {
        record_change(Change::Run, line, end.exit_code == 0, end.exit_code);
        return;
    }
    const logic::Text entry = logic::join({kRecordRun, "\t", line, "\t", kRecordFailed, " ", kTimedOut});
    ChangeRecord::of_user().append_entry(entry.get());
}

}  // namespace

void run_power_plan_step() {
    // The copy of the scheme must exist before it can be made the active one.
    run_powercfg(kPowerDuplicate);
    if (state().window_gone) return;  // closed while the first ran: the press ends there
    run_powercfg(kPowerActivate);
}

}  // namespace tuner
