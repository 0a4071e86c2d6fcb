#include "tuner/dll_commands.h"

#include "logic/constants.h"

namespace tuner {

TRIVANE_CONSTANT const char* const kDllLibraries[kDllCommandCount] = {
#define TUNER_DLL_LIBRARY(index, entry, library, convention, signature) library,
    TUNER_DLL_COMMANDS(TUNER_DLL_LIBRARY)
#undef TUNER_DLL_LIBRARY
};

TRIVANE_CONSTANT const char* const kDllEntries[kDllCommandCount] = {
#define TUNER_DLL_ENTRY(index, entry, library, convention, signature) #entry,
    TUNER_DLL_COMMANDS(TUNER_DLL_ENTRY)
#undef TUNER_DLL_ENTRY
};

}  // namespace tuner
