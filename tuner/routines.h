// Routine identifiers of the tool's logic: the first number of a coded runtime error
// raised inside that routine (the second is the call site within it).
#pragma once
#include "runtime/values.h"

namespace tuner {

enum Routine : rt::i32 {
    kRoutineProgramEntry = 0x04010001,
    kRoutineWideText = 0x04010002,
    kRoutineProcessCheck = 0x04010003,
    kRoutineSearch = 0x04010004,
    kRoutineDriveChanged = 0x04010005,
    kRoutineWindowDestroy = 0x04010006,
    kRoutineDeleteFiles = 0x04010007,
    kRoutineDirectoryCheck = 0x04010008,
    kRoutineMakeDirectoryPath = 0x04010009,
    kRoutineTimedMessageBox = 0x0401000A,
    kRoutineDx11 = 0x0401000B,
    kRoutinePermissionGrant = 0x0401000C,
    kRoutineHomePage = 0x0401000D,
    kRoutinePowerPlan = 0x0401000E,
    kRoutineFileReplace = 0x0401000F,
    kRoutineChangeRecord = 0x04010010,
    kRoutineRecordMenu = 0x04010011,
    kRoutineInstallCandidates = 0x04010012,
    kRoutineProcessOwner = 0x04010020,
    kRoutineSharedFolders = 0x04010021,
    kRoutineCheckedPaths = 0x04010022,
};

}  // namespace tuner
