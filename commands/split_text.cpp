#include <cstring>
#include <vector>

#include "commands/arguments.h"
#include "commands/double_byte.h"
#include "commands/command_functions.h"
#include "runtime/arrays.h"
#include "runtime/memory.h"
#include "runtime/texts.h"

namespace commands {
namespace {

// A one-dimensional array block that takes over the element texts.
void* make_text_array(const std::vector<char*>& elements) {
    const i32 n = static_cast<i32>(elements.size());
    if (n == 0) return rt::new_empty_array();
    auto* array = static_cast<rt::ArrayHeader*>(rt::allocate(8 + 4 * n));
    array->dimensions = 1;
    array->sizes[0] = n;
    std::memcpy(rt::array_data(array), elements.data(), 4u * static_cast<u32>(n));
    return array;
}

// The pieces between delimiters. A delimiter at the end gives no empty last piece;
// with a limit, the text after the limit-th delimiter is dropped.
std::vector<char*> split(const char* text, const char* delimiter, bool limited, i32 limit) {
    std::vector<char*> pieces;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const long length = static_cast<long>(std::strlen(text));
    const long width = static_cast<long>(std::strlen(delimiter));
    long segment = 0;
    for (long p = 0; p >= 0 && length - p >= width;) {
        if (std::memcmp(text + p, delimiter, static_cast<size_t>(width)) != 0) {
            p = next_character(bytes, p);
            continue;
        }
        pieces.push_back(rt::make_text(text + segment, static_cast<i32>(p - segment)));
        p += width;
        segment = p;
        if (limited && static_cast<i32>(pieces.size()) >= limit) return pieces;
    }
    if (segment < length) pieces.push_back(rt::make_text(text + segment, static_cast<i32>(length - segment)));
    return pieces;
}

}  // namespace

void split_text(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    const char* text = args.text(0);
    const char* delimiter = args.present(1) ? args.text(1) : ",";
    const bool limited = args.present(2);
    const i32 limit = limited && args.integer(2) > 0 ? args.integer(2) : 0;

    // An empty text or a limit of 0 gives no elements; an empty delimiter the whole text.
    std::vector<char*> pieces;
    if (*text != '\0' && !(limited && limit == 0))
        pieces = *delimiter ? split(text, delimiter, limited, limit) : std::vector<char*>{rt::copy_text(text)};
    set_pointer(result, make_text_array(pieces));
}

}  // namespace commands
