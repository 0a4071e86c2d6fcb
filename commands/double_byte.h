// Stepping over the characters of an ANSI text of a double-byte code page: a byte of
// 0x80 or above starts a two-byte character, so a search never lands on its second byte.
#pragma once

namespace commands {

inline bool is_lead_byte(unsigned char c) { return c >= 0x80; }

// The offset of the next character after `p`, or -1 when a lead byte is followed by
// the terminating NUL (the text ends inside the character).
inline long next_character(const unsigned char* text, long p) {
    if (!is_lead_byte(text[p])) return p + 1;
    return text[p + 1] == '\0' ? -1 : p + 2;
}

inline unsigned char fold_ascii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 0x20) : c; }

}  // namespace commands
