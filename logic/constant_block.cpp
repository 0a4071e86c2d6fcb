// Compiled into each program (not into the runtime library): the markers of the
// program's constant data block and the static empty text and byte set inside it.
#include "logic/constants.h"

namespace {
__attribute__((section(".rdata$trivane_a"), used)) const char g_block_start[1] = {0};
__attribute__((section(".rdata$trivane_c"), used)) const char g_block_end[1] = {0};
}  // namespace

namespace logic {

TRIVANE_CONSTANT const char kStaticEmptyText[1] = {0};
TRIVANE_CONSTANT const rt::ByteSetHeader kStaticEmptyByteSet = {1, 0};

const char* constant_block_start() { return g_block_start; }
rt::u32 constant_block_length() { return static_cast<rt::u32>(g_block_end - g_block_start); }

}  // namespace logic
