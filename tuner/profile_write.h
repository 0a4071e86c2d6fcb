// Writing one item of a configuration file (game.cfg) whole: the platform's profile
// writer rewrites a file in place and reports success even when a write of its own
// failed, so it is handed a copy, and the copy replaces the file only when the
// profile reader finds in it what the file held with just that item changed.
#pragma once
#include "runtime/values.h"

namespace tuner {

// False, with the file byte for byte as it was and the platform's code in `error`,
// when the item could not be written.
bool write_profile_item(const char* file, const char* section, const char* key, const char* value, rt::u32* error);

}  // namespace tuner
