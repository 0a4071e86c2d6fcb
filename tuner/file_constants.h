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

// Access rights.
constexpr rt::u32 kReadData = 0x1;
constexpr rt::u32 kListDirectory = 0x1;  // the same bit, on a folder
constexpr rt::u32 kAppendData = 0x4;
constexpr rt::u32 kReadAttributes = 0x80;
constexpr rt::u32 kDelete = 0x10000;
constexpr rt::u32 kSynchronize = 0x100000;
constexpr rt::u32 kGenericWrite = 0x40000000;
constexpr rt::u32 kGenericRead = 0x80000000;

constexpr rt::u32 kShareRead = 0x1;
constexpr rt::u32 kShareWrite = 0x2;
constexpr rt::u32 kShareDelete = 0x4;

constexpr rt::u32 kCreateNew = 1;
constexpr rt::u32 kOpenExisting = 3;
constexpr rt::u32 kOpenReparsePoint = 0x00200000;  // the link itself, never what it names
constexpr rt::u32 kBackupSemantics = 0x02000000;   // needed to open a folder
constexpr rt::u32 kMoveReplaceExisting = 0x1;
constexpr rt::u32 kMoveWriteThrough = 0x8;

// The ANSI file functions take paths shorter than this.
constexpr rt::u32 kMaxPath = 260;

}  // namespace tuner
