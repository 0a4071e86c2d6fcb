#include "tuner/platform_error.h"

#include "tuner/dll_commands.h"
#include "tuner/routines.h"

namespace tuner {

rt::u32 last_error() {
    return dll::GetLastError({kRoutineChangeRecord, 1});
}

}  // namespace tuner
