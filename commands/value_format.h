// The text form of a basic value, shared by message box and to text.
#pragma once
#include "runtime/values.h"

namespace commands {

// Numbers are formatted into a buffer of this size.
inline constexpr int kFormatBufferSize = 100;
using FormatBuffer = char[kFormatBufferSize];

// Numeric kinds, logical and date-time are formatted into `buffer`; a text is
// returned as it is; every other kind (byte set, array, subprogram pointer,
// library-defined type, omitted) gives the empty text. Never null.
const char* value_text(const rt::ArgRecord& value, FormatBuffer& buffer);

}  // namespace commands
