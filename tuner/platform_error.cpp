#include "tuner/platform_error.h"

#include "tuner/dll_commands.h"

namespace tuner {

rt::u32 last_error(logic::Site site) { return dll::GetLastError(site); }

}  // namespace tuner
