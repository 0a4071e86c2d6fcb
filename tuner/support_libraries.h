// The two support libraries the tool uses: the core library (its commands and the
// basic component types) and the interface extension library.
#pragma once
#include "runtime/startup_record.h"

namespace tuner {

const rt::SupportLibrary* const* support_libraries();
inline constexpr rt::u32 kSupportLibraryCount = 2;

}  // namespace tuner
