// The program logic's only link to the runtime: the entry table. Everything in
// logic/ goes through it, as compiled program logic would.
#pragma once
#include "runtime/entry_table.h"
#include "runtime/error_codes.h"

namespace logic {

using rt::i32;
using rt::u32;
using rt::u64;

inline const rt::EntryTable& entries() { return rt::entry_table(); }

// Where a coded runtime error is reported from: the routine's identifier (0x0401xxxx)
// and a call-site number inside it.
struct Site {
    i32 routine;
    i32 site;
};

[[noreturn]] inline void raise(i32 code, Site where) {
    entries().report_error(code, where.routine, where.site);
    __builtin_unreachable();
}

inline void* allocate(i32 bytes) { return entries().allocate(bytes); }
inline void* reallocate(void* block, i32 bytes) { return entries().reallocate(block, bytes); }
inline void release(void* block) { entries().free(block); }

}  // namespace logic
