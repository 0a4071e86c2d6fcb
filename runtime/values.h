// The value kinds every part of the system exchanges, and their storage forms.
// Layouts are fixed: the program logic, the command library, DLL commands and
// component properties all read these blocks directly.
#pragma once
#include <cstdint>
#include <cstring>

namespace rt {

using u32 = std::uint32_t;
using i32 = std::int32_t;
using u64 = std::uint64_t;
using i64 = std::int64_t;

// Type tags. Bit 31 marks a built-in kind; the array flag ORed into one names an
// array of that kind. Tag 0 is "no value" (an omitted optional argument).
enum Tag : u32 {
    kTagNone = 0,
    kTagByte = 0x80000101,
    kTagShort = 0x80000201,
    kTagInt = 0x80000301,
    kTagLong = 0x80000401,
    kTagFloat = 0x80000501,
    kTagDouble = 0x80000601,
    kTagBool = 0x80000002,
    kTagDateTime = 0x80000003,
    kTagText = 0x80000004,
    kTagBytes = 0x80000005,
    kTagSubprogram = 0x80000006,
    kTagEightBytes = 0x80000008,
};
inline constexpr u32 kArrayFlag = 0x20000000;

constexpr bool is_array_tag(u32 tag) { return (tag & 0x80000000u) && (tag & kArrayFlag); }
constexpr u32 element_tag(u32 tag) { return tag & ~kArrayFlag; }

// Size of a stored value of any kind (0 for tags outside the built-in table).
u32 value_size(u32 tag);
// The narrower helper the command library uses: the six numeric kinds only.
u32 numeric_size(u32 tag);

// Date-time limits: 0100-01-01 and 9999-12-31 as days since 1899-12-30.
inline constexpr double kDateTimeMin = -657434.0;
inline constexpr double kDateTimeMax = 2958465.0;
double clamp_date_time(double days);

// One argument of a library command; the result record has the same shape.
struct ArgRecord {
    u32 lo;   // the value, or the pointer for texts, byte sets and arrays
    u32 hi;   // upper half of 8-byte kinds, 0 otherwise
    u32 tag;  // kind of the value; 0 for an omitted optional argument
};
using ResultRecord = ArgRecord;
static_assert(sizeof(ArgRecord) == 12);

// Byte set block: header, then `length` data bytes. The null pointer is the empty set.
struct ByteSetHeader {
    i32 dimensions;  // always 1
    i32 length;
};
static_assert(sizeof(ByteSetHeader) == 8);

// Array block: dimension count d, d sizes, then the packed elements.
struct ArrayHeader {
    i32 dimensions;
    i32 sizes[1];  // really `dimensions` entries
};
static_assert(sizeof(ArrayHeader) == 8);

// Library command: result record, argument count, first argument record.
using CommandFn = void (*)(ResultRecord* result, i32 count, ArgRecord* args);

// The raw bytes of a value for writing to memory or files: a text gives its
// characters including the NUL, a byte set its data, fixed-size kinds their storage
// form, anything else nothing. `value` points at the stored value (the pointer
// itself for texts and byte sets).
struct RawBytes {
    const void* data;
    u32 size;
};
RawBytes raw_bytes_of(u32 tag, const void* value);

// Text length and comparison, shared by the runtime, the commands and the program
// logic. A null text is the empty text; bytes compare unsigned; the result is -1, 0 or 1.
inline u32 text_length(const char* text) { return text ? static_cast<u32>(std::strlen(text)) : 0; }
inline i32 compare_texts(const char* a, const char* b) {
    if (!a) return (!b || !*b) ? 0 : -1;
    if (!b) return *a ? 1 : 0;
    const int c = std::strcmp(a, b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace rt
