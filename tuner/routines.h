// Routine identifiers of the tool's logic: the first number of a coded runtime error
// raised inside that routine (the second is the call site within it).
#pragma once
#include "runtime/values.h"

namespace tuner {

enum Routine : rt::i32 {
    kRoutineProgramEntry = 0x04010001,
    kRoutineWideText = 0x04010002,
    kRoutineProcessCheck = 0x04010003,
};

}  // namespace tuner
