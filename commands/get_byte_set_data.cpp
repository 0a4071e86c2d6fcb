#include <cstdint>
#include <cstring>

#include "commands/arguments.h"
#include "commands/command_functions.h"
#include "commands/core_link.h"
#include "runtime/texts.h"

namespace commands {
namespace {

constexpr const char kBadDataType[] = "“欲取出数据的类型”参数值无效";

// Data type numbers 1 to 10 and the kind each reads. A text is sized 4 where a
// fixed size is needed, as its storage form is a pointer.
struct DataKind {
    u32 tag;
    i32 size;
};
constexpr DataKind kDataKinds[] = {
    {rt::kTagByte, 1},        // 1
    {rt::kTagShort, 2},       // 2
    {rt::kTagInt, 4},         // 3
    {rt::kTagLong, 8},        // 4
    {rt::kTagFloat, 4},       // 5
    {rt::kTagDouble, 8},      // 6
    {rt::kTagBool, 4},        // 7
    {rt::kTagDateTime, 8},    // 8
    {rt::kTagSubprogram, 4},  // 9
    {rt::kTagText, 4},        // 10: up to and including the first NUL
};
constexpr i32 kDataKindCount = sizeof kDataKinds / sizeof kDataKinds[0];

// Where reading starts: offset O into the data and the A bytes available from there.
// A position passed as a variable (array flag in its tag) is read through its address
// and updated after the read.
struct ReadWindow {
    std::int64_t offset;
    std::int64_t available;
    i32* variable;
};

ReadWindow read_window(const Args& args, i32 total) {
    if (!args.present(2)) return {0, total, nullptr};
    const rt::ArgRecord& position = args.at(2);
    const bool by_variable = (position.tag & rt::kArrayFlag) != 0;
    i32* variable = by_variable ? reinterpret_cast<i32*>(position.lo) : nullptr;
    if (by_variable && !variable) return {0, total, nullptr};  // no variable to read: as if omitted
    const std::int64_t offset = std::int64_t{variable ? *variable : static_cast<i32>(position.lo)} - 1;
    return {offset, offset < 0 ? 0 : total - offset, variable};
}

// The text up to the first NUL inside the window; `consumed` counts the NUL too.
char* read_text(const unsigned char* at, std::int64_t available, std::int64_t* consumed) {
    if (available <= 0) {
        *consumed = 0;
        return nullptr;
    }
    const void* nul = std::memchr(at, 0, static_cast<size_t>(available));
    const std::int64_t length = nul ? static_cast<const unsigned char*>(nul) - at : available;
    *consumed = length + (nul ? 1 : 0);
    return rt::make_text(reinterpret_cast<const char*>(at), static_cast<i32>(length));
}

// A fixed-size value; bytes missing at the end of the set read as zero.
void read_fixed(const DataKind& kind, const unsigned char* at, std::int64_t available, rt::ResultRecord* result) {
    unsigned char buffer[8] = {};
    const std::int64_t n = available < kind.size ? available : kind.size;
    if (n > 0) std::memcpy(buffer, at, static_cast<size_t>(n));
    u32 lo, hi;
    std::memcpy(&lo, buffer, 4);
    std::memcpy(&hi, buffer + 4, 4);
    switch (kind.tag) {
    case rt::kTagByte: result->lo = lo & 0xFF; return;
    case rt::kTagShort: result->lo = static_cast<u32>(static_cast<std::int16_t>(lo)); return;
    case rt::kTagBool: result->lo = lo != 0 ? 1 : 0; return;
    case rt::kTagDateTime: {
        double days;
        std::memcpy(&days, buffer, sizeof days);
        set_double(result, rt::clamp_date_time(days));
        return;
    }
    default:
        result->lo = lo;
        if (kind.size == 8) result->hi = hi;
        return;
    }
}

}  // namespace

void get_byte_set_data(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    const i32 type = args.integer(1);
    if (type < 1 || type > kDataKindCount) report_command_error(kBadDataType);
    const DataKind& kind = kDataKinds[type - 1];
    result->tag = kind.tag;  // the one command whose result kind varies

    const rt::ByteSetHeader* set = args.bytes(0);
    const i32 total = rt::byte_set_length(set);
    const ReadWindow window = read_window(args, total);
    const unsigned char* at = window.available > 0 ? rt::byte_set_data(set) + window.offset : nullptr;

    std::int64_t consumed = kind.size;
    if (kind.tag == rt::kTagText)
        set_pointer(result, read_text(at, window.available, &consumed));
    else
        read_fixed(kind, at, window.available, result);

    if (window.variable) {
        const std::int64_t next = window.offset + consumed;
        *window.variable = next >= total ? -1 : static_cast<i32>(next + 1);
    }
}

}  // namespace commands
