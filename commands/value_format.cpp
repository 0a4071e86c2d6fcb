#include "commands/value_format.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "commands/arguments.h"
#include "commands/date_time.h"

namespace commands {
namespace {

constexpr const char kTrue[] = "真";
constexpr const char kFalse[] = "假";

// The date always; then the time down to its last non-zero part.
void format_date_time(double days, FormatBuffer& out) {
    const CalendarTime t = split_date_time(days);
    int n = std::snprintf(out, sizeof out, "%d年%d月%d日", t.year, t.month, t.day);
    const size_t rest = sizeof out - static_cast<size_t>(n);
    if (t.second != 0)
        std::snprintf(out + n, rest, "%d时%d分%d秒", t.hour, t.minute, t.second);
    else if (t.minute != 0)
        std::snprintf(out + n, rest, "%d时%d分", t.hour, t.minute);
    else if (t.hour != 0)
        std::snprintf(out + n, rest, "%d时", t.hour);
}

}  // namespace

const char* value_text(const rt::ArgRecord& value, FormatBuffer& out) {
    std::memset(out, 0, sizeof out);
    switch (value.tag) {
    case rt::kTagByte: std::snprintf(out, sizeof out, "%u", value.lo & 0xFFu); return out;
    case rt::kTagShort: std::snprintf(out, sizeof out, "%d", static_cast<int>(static_cast<std::int16_t>(value.lo))); return out;
    case rt::kTagInt: std::snprintf(out, sizeof out, "%d", static_cast<int>(value.lo)); return out;
    case rt::kTagLong: {
        const long long v = static_cast<long long>(value.lo | static_cast<rt::u64>(value.hi) << 32);
        std::snprintf(out, sizeof out, "%lld", v);
        return out;
    }
    case rt::kTagFloat: {
        float f;
        std::memcpy(&f, &value.lo, sizeof f);
        std::snprintf(out, sizeof out, "%.6g", static_cast<double>(f));
        return out;
    }
    case rt::kTagDouble: std::snprintf(out, sizeof out, "%.13g", Args::real_of(value)); return out;
    case rt::kTagBool: return value.lo ? kTrue : kFalse;
    case rt::kTagDateTime: format_date_time(Args::real_of(value), out); return out;
    case rt::kTagText: {
        const char* text = reinterpret_cast<const char*>(value.lo);
        return text ? text : "";
    }
    default: return "";
    }
}

}  // namespace commands
