// The tool's program information block: what the runtime reads once at start.
#pragma once
#include "runtime/program_info.h"

namespace tuner {

inline constexpr rt::u32 kMainWindowId = 0x52010001;

const rt::ProgramInfo& program_info();

}  // namespace tuner
