#include <cstring>

#include "commands/arguments.h"
#include "commands/command_functions.h"
#include "commands/value_bytes.h"
#include "commands/value_format.h"
#include "runtime/texts.h"

namespace commands {
namespace {

// Raw bytes read as a text end at the first NUL among them, if any.
char* text_of_bytes(DataBytes bytes) {
    if (!bytes.data) return nullptr;
    const void* nul = std::memchr(bytes.data, 0, bytes.size);
    const auto end = nul ? static_cast<const unsigned char*>(nul) : bytes.data + bytes.size;
    return rt::make_text(reinterpret_cast<const char*>(bytes.data), static_cast<i32>(end - bytes.data));
}

}  // namespace

void to_text(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const rt::ArgRecord& value = Args(count, records).at(0);
    if (value.tag == rt::kTagBytes) return set_pointer(result, text_of_bytes(byte_set_bytes(value)));
    if (rt::is_array_tag(value.tag)) {
        if (is_numeric_array(value.tag)) set_pointer(result, text_of_bytes(numeric_array_bytes(value)));
        return;
    }
    FormatBuffer buffer;
    set_pointer(result, rt::copy_text(value_text(value, buffer)));
}

}  // namespace commands
