#include "runtime/arrays.h"

#include <cstring>

#include "runtime/memory.h"

namespace rt {

u32 array_header_size(const void* array) {
    return 4 + 4 * static_cast<u32>(static_cast<const ArrayHeader*>(array)->dimensions);
}

u32 array_element_count(const void* array) {
    const auto* h = static_cast<const ArrayHeader*>(array);
    if (h->dimensions <= 0) return 0;
    u32 count = 1;
    for (i32 d = 0; d < h->dimensions; ++d) count *= static_cast<u32>(h->sizes[d]);
    return count;
}

unsigned char* array_data(void* array) { return static_cast<unsigned char*>(array) + array_header_size(array); }

void* new_empty_array() {
    auto* h = static_cast<ArrayHeader*>(allocate(8));
    h->dimensions = 1;
    h->sizes[0] = 0;
    return h;
}

}  // namespace rt
