#include "runtime/values.h"

#include <cstring>

namespace rt {

u32 numeric_size(u32 tag) {
    switch (tag) {
    case kTagByte: return 1;
    case kTagShort: return 2;
    case kTagInt: return 4;
    case kTagLong: return 8;
    case kTagFloat: return 4;
    case kTagDouble: return 8;
    default: return 0;
    }
}

u32 value_size(u32 tag) {
    if (u32 n = numeric_size(tag)) return n;
    switch (tag) {
    case kTagBool:
    case kTagText:
    case kTagBytes:
    case kTagSubprogram: return 4;
    case kTagDateTime:
    case kTagEightBytes: return 8;
    default: return 0;
    }
}

double clamp_date_time(double days) {
    if (days < kDateTimeMin) return kDateTimeMin;
    if (days > kDateTimeMax) return kDateTimeMax;
    return days;
}

RawBytes raw_bytes_of(u32 tag, const void* value) {
    if (tag == kTagText) {
        const char* text = *static_cast<const char* const*>(value);
        if (!text) return {"", 1};
        return {text, static_cast<u32>(std::strlen(text) + 1)};
    }
    if (tag == kTagBytes) {
        const auto* block = *static_cast<const ByteSetHeader* const*>(value);
        if (!block) return {nullptr, 0};
        return {block + 1, static_cast<u32>(block->length)};
    }
    if (u32 n = value_size(tag)) return {value, n};
    return {nullptr, 0};
}

}  // namespace rt
