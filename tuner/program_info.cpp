#include "tuner/program_info.h"

#include "data/main_window_template.h"
#include "logic/constants.h"
#include "tuner/dll_commands.h"
#include "tuner/handlers.h"
#include "tuner/support_libraries.h"

namespace tuner {

const rt::ProgramInfo& program_info() {
    static const rt::ProgramInfo info = {
        3,  // build mode: a release build
        0,
        117722,
        handler_table(),  // the code base the template's handler offsets are relative to
        kHandlerCount,
        logic::constant_block_start(),
        logic::constant_block_length(),
        main_window_template(),
        main_window_template_length(),
        kSupportLibraryCount,
        support_libraries(),
        kDllCommandCount,
        kDllLibraries,
        kDllEntries,
    };
    return info;
}

}  // namespace tuner
