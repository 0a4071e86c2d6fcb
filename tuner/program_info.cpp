#include "tuner/program_info.h"

#include "runtime/logic/constants.h"
#include "tuner/dll_commands.h"

namespace tuner {

const rt::ProgramInfo& program_info() {
    // The window template, its handler table (the code base) and the support
    // libraries join this block as the window system and the commands land.
    static const rt::ProgramInfo info = {
        3,  // build mode: a release build
        0,
        117722,
        nullptr,
        logic::constant_block_start(),
        logic::constant_block_length(),
        nullptr,
        0,
        0,
        nullptr,
        kDllCommandCount,
        kDllLibraries,
        kDllEntries,
    };
    return info;
}

}  // namespace tuner
