#pragma once
#include "runtime/values.h"

namespace tuner {

// Replaces the access list of `path` by one explicit entry for `trustee`, inherited by
// files and subdirectories; true when the new list was stored. Otherwise `error`
// receives the platform's code for the step that failed.
bool grant_permission(const char* path, const char* trustee, rt::u32 access_mask, rt::u32 access_mode,
                      rt::u32* error = nullptr);

}  // namespace tuner
