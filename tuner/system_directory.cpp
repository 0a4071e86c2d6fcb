#include "tuner/system_directory.h"

#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"

namespace tuner {

logic::Text system_directory(logic::Site where) {
    char buffer[kMaxPath] = {};
    const rt::u32 n = dll::GetSystemDirectoryA(buffer, kMaxPath, where);
    if (n == 0 || n >= kMaxPath) return {};
    return logic::Text::copy(buffer);
}

}  // namespace tuner
