#include <cstdint>
#include <cstring>

#include "commands/arguments.h"
#include "commands/blocks.h"
#include "commands/command_functions.h"
#include "runtime/texts.h"

namespace commands {

void blank_byte_set(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const i32 length = Args(count, records).integer(0);
    if (length <= 0) return;
    auto* set = static_cast<rt::ByteSetHeader*>(allocate_block(std::int64_t{8} + length));
    set->dimensions = 1;
    set->length = length;
    std::memset(set + 1, 0, static_cast<size_t>(length));
    set_pointer(result, set);
}

void byte_set_length(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    set_int(result, rt::byte_set_length(Args(count, records).bytes(0)));
}

// The caller vouches for the address; a length of 0 or below copies nothing.
void pointer_to_byte_set(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    set_pointer(result, rt::make_byte_set(reinterpret_cast<const void*>(args.at(0).lo), args.integer(1)));
}

}  // namespace commands
