// The coded runtime errors the program logic reports through entry slot 0.
#pragma once
#include "runtime/values.h"

namespace rt {

enum ErrorCode : i32 {
    kErrOwnMessage = 0,
    kErrIndexOutOfRange,
    kErrNotNumeric,
    kErrDimensionMismatch,
    kErrIndexBelowOne,
    kErrTypeMismatch,
    kErrDllStack,
    kErrNoSubResult,
    kErrCompareOnlyEqual,
    kErrChoiceIndex,
    kErrRedimArgument,
    kErrArgumentType,
};
static_assert(kErrArgumentType == 11, "the codes the program logic raises");

}  // namespace rt
