#include "runtime/process_entry.h"

#include <windows.h>

#include "runtime/application.h"
#include "runtime/end_sequence.h"
#include "runtime/initialise.h"
#include "runtime/platform_text.h"
#include "runtime/system_library.h"

namespace rt {

int run_program(const ProgramInfo& info, ProgramEntry entry, void* const callbacks[3]) {
    // Before anything loads a library on our behalf (common controls, OLE, sound).
    restrict_library_search();
    Application& a = app();
    set_program_info(&info);

    // The folder is cut off before converting: in GBK the second byte of a character
    // such as 乗 is a backslash. One whose name GBK cannot hold is left unnamed rather
    // than named with '?' in it.
    wchar_t module[MAX_PATH * 2];
    const std::wstring path(module, GetModuleFileNameW(nullptr, module, MAX_PATH * 2));
    from_platform_exact(path.substr(0, path.rfind(L'\\') + 1).c_str(), a.program_directory_slash);
    for (int i = 0; i < 3; ++i) a.program_callbacks[i] = callbacks[i];

    // The entry returns 0, so no framework loop follows: straight to the exit path.
    entry();
    end_sequence(0, EndKind::Normal);
    return 0;
}

}  // namespace rt
