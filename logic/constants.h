// The program's constant data block: one contiguous read-only range that the runtime
// knows from the program information block, so that it never frees or writes a
// pointer into it. Constants are placed there with TRIVANE_CONSTANT; the linker
// orders the grouped sections by name, so the two markers bound the block.
#pragma once
#include "runtime/values.h"

#define TRIVANE_CONSTANT __attribute__((section(".rdata$trivane_b"), used))

namespace logic {

// Both defined by the program inside its block (constant_block.cpp).
extern const char kStaticEmptyText[1];
extern const rt::ByteSetHeader kStaticEmptyByteSet;

const char* constant_block_start();
rt::u32 constant_block_length();

}  // namespace logic
