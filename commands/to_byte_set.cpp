#include <cstring>

#include "commands/arguments.h"
#include "commands/command_functions.h"
#include "commands/value_bytes.h"
#include "runtime/texts.h"

namespace commands {
namespace {

DataBytes bytes_of(const rt::ArgRecord& value) {
    if (rt::is_array_tag(value.tag)) return is_numeric_array(value.tag) ? numeric_array_bytes(value) : DataBytes{nullptr, 0};
    if (value.tag == rt::kTagText) {
        const auto* text = reinterpret_cast<const unsigned char*>(value.lo);
        return text ? DataBytes{text, static_cast<u32>(std::strlen(reinterpret_cast<const char*>(text)))} : DataBytes{nullptr, 0};
    }
    if (value.tag == rt::kTagBytes) return byte_set_bytes(value);
    // Fixed-size kinds: their storage form, low byte first, straight from the value
    // words; library-defined types and an omitted value have none.
    const rt::RawBytes raw = rt::raw_bytes_of(value.tag, &value.lo);
    return {static_cast<const unsigned char*>(raw.data), raw.size};
}

}  // namespace

void to_byte_set(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const DataBytes bytes = bytes_of(Args(count, records).at(0));
    set_pointer(result, rt::make_byte_set(bytes.data, static_cast<i32>(bytes.size)));
}

}  // namespace commands
