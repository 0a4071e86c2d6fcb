// Allocate, reallocate and free for every variable-size value. Heap exhaustion never
// reaches the caller: it ends in the runtime error box.
#pragma once
#include "runtime/values.h"

namespace rt {

void* allocate(i32 bytes);
void* reallocate(void* block, i32 bytes);
void release(void* block);  // "free": ignores null and the constant data block
void* allocate_unchecked(i32 bytes);

// The constant data block: pointers into it are never freed or written.
void set_constant_block(const void* start, u32 length);
bool in_constant_block(const void* p);

// Copies an array that still lies in the constant data block to the heap.
void unshare_array(i32 element_size, void** variable);

}  // namespace rt
