#include "tuner/system_directory.h"

#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/wide_text.h"

namespace tuner {

logic::Text system_directory(logic::Site where) {
    wchar_t buffer[kMaxPath] = {};
    const rt::u32 n = dll::GetSystemDirectoryW(buffer, kMaxPath, where);
    if (n == 0 || n >= kMaxPath) return {};
    // A folder the tool's texts cannot name is none: no program is started from a
    // name with '?' in it.
    return gbk_from_wide(buffer);
}

}  // namespace tuner
