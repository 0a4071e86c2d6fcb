// The coded runtime errors the program logic reports through entry slot 0.
#pragma once
#include "runtime/values.h"

namespace rt {

enum ErrorCode : i32 {
    kErrOwnMessage = 0,
    kErrIndexOutOfRange = 1,
    kErrNotNumeric = 2,
    kErrDimensionMismatch = 3,
    kErrIndexBelowOne = 4,
    kErrTypeMismatch = 5,
    kErrDllStack = 6,
    kErrNoSubResult = 7,
    kErrCompareOnlyEqual = 8,
    kErrChoiceIndex = 9,
    kErrRedimArgument = 10,
    kErrArgumentType = 11,
};

}  // namespace rt
