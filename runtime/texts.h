// Texts and byte sets as the runtime makes them. Null is the empty text and the
// empty byte set; no heap block is ever made for an empty one.
#pragma once
#include "runtime/values.h"

namespace rt {


char* copy_text(const char* text);             // null for an empty text
char* make_text(const char* bytes, i32 count);  // null for count < 1

ByteSetHeader* make_byte_set(const void* bytes, i32 count);  // null for count < 1
i32 byte_set_length(const ByteSetHeader* set);
const unsigned char* byte_set_data(const ByteSetHeader* set);

}  // namespace rt
