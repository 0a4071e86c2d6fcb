// The platform's error code for the call that just failed, for the change record.
#pragma once
#include "logic/entries.h"
#include "runtime/values.h"

namespace tuner {

// The platform's error codes the tool tells apart.
inline constexpr rt::u32 kFileNotFound = 2;
inline constexpr rt::u32 kPathNotFound = 3;
inline constexpr rt::u32 kAccessDenied = 5;
inline constexpr rt::u32 kNotEnoughMemory = 8;
inline constexpr rt::u32 kSharingViolation = 32;
inline constexpr rt::u32 kLockViolation = 33;
inline constexpr rt::u32 kFileExists = 80;
inline constexpr rt::u32 kNotADirectory = 267;
inline constexpr rt::u32 kNoSecurityOnObject = 1350;

// The platform's "the create operation stopped after reaching a symbolic link": the
// code of a step refused because a link stood where a file or folder of the client was.
inline constexpr rt::u32 kStoppedOnLink = 681;

// What the platform's waits return.
inline constexpr rt::u32 kWaitObject0 = 0;
inline constexpr rt::u32 kWaitTimeout = 258;

// Read it before any other platform call; `site` is the caller's, should the read
// itself fail. Its first call binds the reader, which may itself touch the code, so
// start-up and each walk call it once beforehand.
rt::u32 last_error(logic::Site site);

}  // namespace tuner
