// The platform's file constants the tool's logic passes to its DLL commands, in one
// place: attribute bits, the invalid handle, access, sharing and creation flags.
#pragma once
#include "runtime/values.h"

namespace tuner {

constexpr rt::u32 kInvalidHandle = 0xFFFFFFFF;  // also "no attributes"
constexpr rt::u32 kNoAttributes = 0xFFFFFFFF;
constexpr rt::u32 kAttributeReadOnly = 0x1;
constexpr rt::u32 kAttributeDirectory = 0x10;
constexpr rt::u32 kAttributeNormal = 0x80;
constexpr rt::u32 kAttributeReparsePoint = 0x400;

constexpr rt::u32 kShareRead = 0x1;
constexpr rt::u32 kMoveReplaceExisting = 0x1;
constexpr rt::u32 kMoveWriteThrough = 0x8;

// The ANSI file functions take paths shorter than this.
constexpr rt::u32 kMaxPath = 260;

}  // namespace tuner
