// The platform's error code for the call that just failed, for the change record.
#pragma once
#include "runtime/values.h"

namespace tuner {

// Read it before any other platform call. Its first call binds the reader, which may
// itself touch the code, so start-up and each walk call it once beforehand.
rt::u32 last_error();

}  // namespace tuner
