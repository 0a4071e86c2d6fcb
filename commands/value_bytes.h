// The data bytes of a numeric array or a byte set argument, for to text and to byte set.
#pragma once
#include "runtime/arrays.h"
#include "runtime/values.h"

namespace commands {

struct DataBytes {
    const unsigned char* data;
    rt::u32 size;
};

inline bool is_numeric_array(rt::u32 tag) { return rt::is_array_tag(tag) && rt::numeric_size(rt::element_tag(tag)) != 0; }

// Every element of every dimension: the element count is the product of the sizes
// and the data starts after the whole header, however many dimensions there are.
inline DataBytes numeric_array_bytes(const rt::ArgRecord& value) {
    auto* array = reinterpret_cast<void*>(value.lo);
    if (!array) return {nullptr, 0};
    return {rt::array_data(array), rt::array_element_count(array) * rt::numeric_size(rt::element_tag(value.tag))};
}

inline DataBytes byte_set_bytes(const rt::ArgRecord& value) {
    const auto* set = reinterpret_cast<const rt::ByteSetHeader*>(value.lo);
    if (!set || set->length <= 0) return {nullptr, 0};
    return {reinterpret_cast<const unsigned char*>(set + 1), static_cast<rt::u32>(set->length)};
}

}  // namespace commands
