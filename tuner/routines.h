// Routine identifiers of the tool's logic: the first number of a coded runtime error
// raised inside that routine (the second is the call site within it).
#pragma once
#include "runtime/values.h"

namespace tuner {

enum Routine : rt::i32 {
    kRoutineProgramEntry = 0x04010001,
    kRoutineWideText,
    kRoutineProcessCheck,
    kRoutineSearch,
    kRoutineDriveChanged,
    kRoutineWindowDestroy,
    kRoutineDeleteFiles,
    kRoutineDirectoryCheck,
    kRoutineMakeDirectoryPath,
    kRoutineTimedMessageBox,
    kRoutineDx11,
    kRoutinePermissionGrant,
    kRoutineHomePage,
    kRoutinePowerPlan,
    kRoutineFileReplace,
    kRoutineChangeRecord,
    kRoutineRecordMenu,
    kRoutineInstallCandidates,
    kRoutineProcessOwner = 0x04010020,
    kRoutineSharedFolders,
    kRoutineCheckedPaths,
};
// Error reports name the routine by number.
static_assert(kRoutineInstallCandidates == 0x04010012 && kRoutineCheckedPaths == 0x04010022);

}  // namespace tuner
