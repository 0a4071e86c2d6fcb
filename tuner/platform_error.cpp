#include "tuner/platform_error.h"

#include "logic/calls.h"
#include "tuner/dll_commands.h"
#include "tuner/routines.h"

namespace tuner {

rt::u32 last_error() {
    return logic::call_dll(kGetLastError, convention_of(kGetLastError), {}, {kRoutineChangeRecord, 1});
}

}  // namespace tuner
