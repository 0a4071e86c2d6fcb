#include "tuner/platform_error.h"

#include "tuner/dll_commands.h"
#include "tuner/routines.h"

namespace tuner {

rt::u32 last_error() { return last_error({kRoutineChangeRecord, 1}); }

rt::u32 last_error(logic::Site site) { return dll::GetLastError(site); }

}  // namespace tuner
