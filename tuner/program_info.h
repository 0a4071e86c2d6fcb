// The tool's program information block: what the runtime reads once at start.
#pragma once
#include "runtime/startup_record.h"
#include "tuner/main_window_ids.h"

namespace tuner {

const rt::ProgramInfo& program_info();

}  // namespace tuner
