// Whose a running process is: a program of another user that merely carries the
// client's name is not the user's client.
#pragma once
#include "runtime/values.h"

namespace tuner {

// Whether `process` (a handle with at least limited query access) runs as the same
// user as the tool, by the users of the two processes' tokens. False when either
// token cannot be read.
bool runs_as_tool_user(rt::u32 process);

}  // namespace tuner
