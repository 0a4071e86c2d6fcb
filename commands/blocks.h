// Heap blocks for command results, sized in 64 bits so that a length near the 32-bit
// limit plus its header cannot wrap into a small block.
#pragma once
#include <cstdint>

#include "runtime/memory.h"

namespace commands {

// A size no 32-bit count can express fails like any other allocation: the runtime's
// allocation error ends the process.
inline void* allocate_block(std::int64_t bytes) {
    return rt::allocate(bytes > INT32_MAX ? -1 : static_cast<rt::i32>(bytes));
}

}  // namespace commands
