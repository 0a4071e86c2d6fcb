#include "runtime/texts.h"

#include <cstring>

#include "runtime/memory.h"

namespace rt {

char* make_text(const char* bytes, i32 count) {
    if (!bytes || count < 1) return nullptr;
    char* text = static_cast<char*>(allocate(count + 1));
    std::memcpy(text, bytes, static_cast<size_t>(count));
    text[count] = '\0';
    return text;
}

char* copy_text(const char* text) { return make_text(text, static_cast<i32>(text_length(text))); }

ByteSetHeader* make_byte_set(const void* bytes, i32 count) {
    if (count < 1) return nullptr;
    auto* set = static_cast<ByteSetHeader*>(allocate(8 + count));
    set->dimensions = 1;
    set->length = count;
    if (bytes) std::memcpy(set + 1, bytes, static_cast<size_t>(count));
    return set;
}

i32 byte_set_length(const ByteSetHeader* set) { return set ? set->length : 0; }

const unsigned char* byte_set_data(const ByteSetHeader* set) {
    return set ? reinterpret_cast<const unsigned char*>(set + 1) : nullptr;
}

}  // namespace rt
