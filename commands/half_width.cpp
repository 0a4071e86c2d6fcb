#include "commands/half_width.h"

#include "commands/double_byte.h"

namespace commands {
namespace {

// The full-width punctuation outside the 0xA3 row that has a single-byte form.
struct PairMapping {
    unsigned char first, second;
    char single;
};
constexpr PairMapping kPunctuation[] = {
    {0xA1, 0xA1, ' '},  // ideographic space
    {0xA1, 0xAB, '~'},
    {0xA1, 0xEE, '*'},
    {0xA1, 0xEF, '*'},
};

// The single byte for a double-byte character, or 0 when it has none.
char half_width_of(unsigned char first, unsigned char second) {
    if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) return static_cast<char>(second - 0x80);
    for (const PairMapping& m : kPunctuation)
        if (m.first == first && m.second == second) return m.single;
    return 0;
}

}  // namespace

std::string to_half_width(const char* text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::string out;
    for (long p = 0; bytes[p] != '\0';) {
        const long next = next_character(bytes, p);
        if (next == p + 2) {
            if (const char single = half_width_of(bytes[p], bytes[p + 1]))
                out += single;
            else
                out.append(text + p, 2);
        } else {
            out += text[p];
        }
        if (next < 0) break;
        p = next;
    }
    return out;
}

}  // namespace commands
