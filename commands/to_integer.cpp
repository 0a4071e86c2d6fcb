#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "commands/arguments.h"
#include "commands/command_functions.h"
#include "commands/half_width.h"

namespace commands {
namespace {

// Truncation toward zero; values beyond 32 bits saturate and not-a-number gives 0,
// rather than whatever an out-of-range conversion happens to produce.
i32 truncate(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return static_cast<i32>(v);
}

bool is_white_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Leading white space, an optional sign, then digits up to the first non-digit.
// More digits than 32 bits hold saturate, as the platform's atoi does.
i32 parse_decimal(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && is_white_space(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{INT32_MAX} + 1) value = std::int64_t{INT32_MAX} + 1;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    return static_cast<i32>(value);
}

float float_of(u32 bits) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

}  // namespace

void to_integer(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const rt::ArgRecord& value = Args(count, records).at(0);
    switch (value.tag) {
    case rt::kTagByte: return set_int(result, static_cast<i32>(value.lo & 0xFF));
    case rt::kTagShort: return set_int(result, static_cast<std::int16_t>(value.lo));
    case rt::kTagInt:
    case rt::kTagLong:  // its low 32 bits
    case rt::kTagSubprogram: return set_int(result, static_cast<i32>(value.lo));
    case rt::kTagFloat: return set_int(result, truncate(float_of(value.lo)));
    case rt::kTagDouble: return set_int(result, truncate(Args::real_of(value)));
    case rt::kTagBool: return set_int(result, value.lo != 0 ? 1 : 0);
    case rt::kTagText: {
        const char* text = reinterpret_cast<const char*>(value.lo);
        return set_int(result, text ? parse_decimal(to_half_width(text)) : 0);
    }
    default: return;  // date-time, byte set, library types, omitted
    }
}

}  // namespace commands
