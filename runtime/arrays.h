// Array blocks: header of dimension count and sizes, then packed elements,
// indexed from 1 by the program logic.
#pragma once
#include "runtime/values.h"

namespace rt {

u32 array_header_size(const void* array);   // 4 + 4 * dimensions
u32 array_element_count(const void* array);  // product of the sizes, 0 for no dimension
unsigned char* array_data(void* array);

// A new empty array: one dimension of size 0, on the heap.
void* new_empty_array();


}  // namespace rt
