#include <cstdint>
#include <cstring>

#include "commands/arguments.h"
#include "commands/blocks.h"
#include "commands/double_byte.h"
#include "commands/command_functions.h"
#include "runtime/texts.h"

namespace commands {
namespace {

i32 length_of(const char* text) { return static_cast<i32>(std::strlen(text)); }

// Counts of 0 or below give the empty text; counts past the end take the whole text.
i32 clamped_count(i32 count, i32 length) { return count <= 0 ? 0 : (count < length ? count : length); }

}  // namespace

void text_length(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    set_int(result, length_of(Args(count, records).text(0)));
}

// Cuts at a byte count, so a double-byte character can be split.
void left_text(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    const char* text = args.text(0);
    set_pointer(result, rt::make_text(text, clamped_count(args.integer(1), length_of(text))));
}

void right_text(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    const char* text = args.text(0);
    const i32 length = length_of(text);
    const i32 n = clamped_count(args.integer(1), length);
    set_pointer(result, rt::make_text(text + length - n, n));
}

void blank_text(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const i32 length = Args(count, records).integer(0);
    if (length <= 0) return;
    auto* text = static_cast<char*>(allocate_block(std::int64_t{length} + 1));
    std::memset(text, ' ', static_cast<size_t>(length));
    text[length] = '\0';
    set_pointer(result, text);
}

// ASCII letters only; the second byte of a double-byte character is never touched.
void to_upper_case(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    char* text = rt::copy_text(Args(count, records).text(0));
    if (text) {
        auto* bytes = reinterpret_cast<unsigned char*>(text);
        for (long p = 0; p >= 0 && bytes[p] != '\0'; p = next_character(bytes, p))
            if (bytes[p] >= 'a' && bytes[p] <= 'z') bytes[p] = static_cast<unsigned char>(bytes[p] - 0x20);
    }
    set_pointer(result, text);
}

}  // namespace commands
