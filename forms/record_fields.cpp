#include "forms/record_fields.h"

#include <cstring>

namespace forms {
namespace {

constexpr size_t kNameOffset = 24;  // type id, event link and four reserved words
constexpr size_t kFixedSize = 28;

u32 word_at(const ByteBlock& record, size_t offset) {
    u32 v = 0;
    if (offset + 4 <= record.size()) std::memcpy(&v, record.data() + offset, 4);
    return v;
}

// Offset of field 6, or 0 when a name runs past the end.
size_t fixed_offset(const ByteBlock& record) {
    size_t at = kNameOffset;
    for (int text = 0; text < 2; ++text) {
        while (at < record.size() && record[at] != 0) ++at;
        if (at >= record.size()) return 0;
        ++at;  // the terminating NUL
    }
    return at + kFixedSize <= record.size() ? at : 0;
}

}  // namespace

u32 record_type_id(const ByteBlock& record) { return word_at(record, 0); }
u32 record_event_link(const ByteBlock& record) { return word_at(record, 4); }

u32 read_fixed(const ByteBlock& record, Fixed field) {
    const size_t base = fixed_offset(record);
    return base ? word_at(record, base + static_cast<u32>(field)) : 0;
}

void write_fixed(ByteBlock& record, Fixed field, u32 value) {
    const size_t base = fixed_offset(record);
    if (base) std::memcpy(record.data() + base + static_cast<u32>(field), &value, 4);
}

}  // namespace forms
