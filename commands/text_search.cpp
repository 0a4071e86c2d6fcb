#include <cstring>

#include "commands/arguments.h"
#include "commands/double_byte.h"
#include "commands/command_functions.h"

namespace commands {
namespace {

using Bytes = const unsigned char*;

// Case-insensitive matching folds single-byte letters only: a double-byte character
// compares exactly, so no other character matches it because its second byte
// happens to be a letter of another case.
bool matches_at(Bytes at, Bytes sought, long n, bool fold) {
    if (!fold) return std::memcmp(at, sought, static_cast<size_t>(n)) == 0;
    for (long i = 0; i < n;) {
        if (is_lead_byte(sought[i])) {
            const long width = i + 1 < n ? 2 : 1;
            if (std::memcmp(at + i, sought + i, static_cast<size_t>(width)) != 0) return false;
            i += width;
        } else {
            if (fold_ascii(at[i]) != fold_ascii(sought[i])) return false;
            ++i;
        }
    }
    return true;
}

// One search for both directions. Forward the window runs from the start position
// to the end and the first match wins; backwards it holds the bytes before the start
// position and the last match that fits wholly inside wins.
i32 search(const Args& args, bool backwards) {
    const auto* text = reinterpret_cast<Bytes>(args.text(0));
    const auto* sought = reinterpret_cast<Bytes>(args.text(1));
    const long length = static_cast<long>(std::strlen(reinterpret_cast<const char*>(text)));
    const long n = static_cast<long>(std::strlen(reinterpret_cast<const char*>(sought)));

    long from = backwards ? length : 0;
    if (args.present(2)) {
        from = static_cast<long>(args.integer(2)) - 1;
        if (from < 0) from = 0;
    }
    const long begin = backwards ? 0 : from;
    const long end = backwards ? (from < length ? from : length) : length;
    if (end - begin <= 0) return -1;
    if (n == 0) return 1;

    const bool fold = args.present(3) && args.at(3).lo == 1;
    i32 found = -1;
    for (long p = begin; p >= 0 && end - p >= n; p = next_character(text, p)) {
        if (!matches_at(text + p, sought, n, fold)) continue;
        found = static_cast<i32>(p + 1);
        if (!backwards) break;
    }
    return found;
}

// The code of the character at `p` (a double-byte character as one unit) and the
// offset after it.
unsigned character_at(Bytes text, long* p, bool fold) {
    const unsigned char c = text[*p];
    if (is_lead_byte(c) && text[*p + 1] != '\0') {
        const unsigned code = (static_cast<unsigned>(c) << 8) | text[*p + 1];
        *p += 2;
        return code;
    }
    if (c != '\0') *p += 1;
    return fold ? fold_ascii(c) : c;
}

}  // namespace

void find_text(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    set_int(result, search(Args(count, records), false));
}

void find_text_backwards(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    set_int(result, search(Args(count, records), true));
}

// Character by character; without case sensitivity ASCII letters compare as lower case.
void compare_text(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    const auto* a = reinterpret_cast<Bytes>(args.text(0));
    const auto* b = reinterpret_cast<Bytes>(args.text(1));
    const bool fold = !args.logical(2);
    long pa = 0, pb = 0;
    for (;;) {
        const unsigned ca = character_at(a, &pa, fold);
        const unsigned cb = character_at(b, &pb, fold);
        if (ca != cb) return set_int(result, ca < cb ? -1 : 1);
        if (ca == 0) return;
    }
}

}  // namespace commands
