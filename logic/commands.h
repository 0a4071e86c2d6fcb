// The core library's commands as the program logic calls them: each builds its
// argument records, calls the command through the entry table and takes the result
// into an owner. An omitted optional argument is std::nullopt here and a record with
// tag 0 on the way to the command.
#pragma once
#include <cstring>
#include <initializer_list>
#include <optional>
#include <vector>

#include "commands/command_table.h"
#include "logic/calls.h"

namespace logic {

// ---- argument records of the other kinds ----------------------------------------------

inline rt::ArgRecord arg_eight(u32 tag, const void* value) {
    u32 w[2];
    std::memcpy(w, value, sizeof w);
    return {w[0], w[1], tag};
}
inline rt::ArgRecord arg_byte(unsigned char v) { return {v, 0, rt::kTagByte}; }
inline rt::ArgRecord arg_short(short v) { return {static_cast<u32>(static_cast<i32>(v)), 0, rt::kTagShort}; }
inline rt::ArgRecord arg_long(rt::i64 v) { return arg_eight(rt::kTagLong, &v); }
inline rt::ArgRecord arg_float(float v) {
    u32 bits;
    std::memcpy(&bits, &v, sizeof bits);
    return {bits, 0, rt::kTagFloat};
}
inline rt::ArgRecord arg_double(double v) { return arg_eight(rt::kTagDouble, &v); }
inline rt::ArgRecord arg_date_time(double days) { return arg_eight(rt::kTagDateTime, &days); }
// An array block, with its element kind.
inline rt::ArgRecord arg_array(u32 element_tag, const void* block) {
    return {reinterpret_cast<u32>(block), 0, element_tag | rt::kArrayFlag};
}
// An integer variable the command may update (passed by address).
inline rt::ArgRecord arg_int_variable(i32* variable) {
    return {reinterpret_cast<u32>(variable), 0, rt::kTagInt | rt::kArrayFlag};
}
inline rt::ArgRecord arg_window(u32 window_id) { return {window_id, 0, commands::kWindowTypeTag}; }

inline rt::ArgRecord arg_optional_text(std::optional<const char*> v) { return v ? arg_text(*v) : omitted(); }
inline rt::ArgRecord arg_optional_int(std::optional<i32> v) { return v ? arg_int(*v) : omitted(); }
inline rt::ArgRecord arg_optional_bool(std::optional<bool> v) { return v ? arg_bool(*v) : omitted(); }

inline rt::CommandFn core_command(commands::CommandIndex index) { return commands::core_commands()[index]; }

inline rt::ResultRecord call(commands::CommandIndex index, std::initializer_list<rt::ArgRecord> args) {
    return call(core_command(index), args);
}
// For the commands that take a variable number of arguments.
inline rt::ResultRecord call(commands::CommandIndex index, std::vector<rt::ArgRecord> args) {
    return entries().call_command(core_command(index), static_cast<i32>(args.size()), args.data());
}

inline double take_double(const rt::ResultRecord& r) {
    const u64 bits = r.lo | static_cast<u64>(r.hi) << 32;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}
inline TextArray take_text_array(const rt::ResultRecord& r) {
    return TextArray::adopt(reinterpret_cast<rt::ArrayHeader*>(r.lo));
}

// ---- message box, delay, process events -------------------------------------------------

// The button pressed: 0 OK, 1 Cancel, 2 Abort, 3 Retry, 4 Ignore, 5 Yes, 6 No.
inline i32 message_box(rt::ArgRecord value, i32 style, rt::ArgRecord title = omitted(),
                       rt::ArgRecord owner = omitted()) {
    return take_int(call(commands::kMessageBox, {value, arg_int(style), title, owner}));
}
inline i32 message_box(const char* text, i32 style) { return message_box(arg_text(text), style); }
inline i32 message_box(const char* text, i32 style, const char* title) {
    return message_box(arg_text(text), style, arg_text(title));
}

inline void delay(i32 milliseconds) { call(commands::kDelay, {arg_int(milliseconds)}); }
inline void process_events() { call(commands::kProcessEvents, {}); }

// ---- files ------------------------------------------------------------------------

inline bool file_exists(const char* name_or_pattern) {
    return take_bool(call(commands::kFileExists, {arg_text(name_or_pattern)}));
}
inline bool delete_file(const char* name) { return take_bool(call(commands::kDeleteFile, {arg_text(name)})); }
inline bool move_file(const char* from, const char* to) {
    return take_bool(call(commands::kMoveFile, {arg_text(from), arg_text(to)}));
}
inline bool write_to_file(const char* name, std::initializer_list<const rt::ByteSetHeader*> parts) {
    std::vector<rt::ArgRecord> args = {arg_text(name)};
    for (const rt::ByteSetHeader* part : parts) args.push_back(arg_bytes(part));
    return take_bool(call(commands::kWriteToFile, std::move(args)));
}
inline Text program_directory() { return take_text(call(commands::kProgramDirectory, {})); }

// ---- configuration files ----------------------------------------------------------------

// An empty key or value is written as empty; only the two delete forms omit them.
inline bool write_configuration_item(const char* file, const char* section, const char* key, const char* value) {
    return take_bool(call(commands::kWriteConfigurationItem, {arg_text(file), arg_text(section), arg_text(key), arg_text(value)}));
}
inline bool delete_configuration_item(const char* file, const char* section, const char* key) {
    return take_bool(call(commands::kWriteConfigurationItem, {arg_text(file), arg_text(section), arg_text(key), omitted()}));
}
inline bool delete_configuration_section(const char* file, const char* section) {
    return take_bool(call(commands::kWriteConfigurationItem, {arg_text(file), arg_text(section), omitted(), omitted()}));
}

// ---- texts ---------------------------------------------------------------------------

inline i32 text_length(const char* text) { return take_int(call(commands::kTextLength, {arg_text(text)})); }
inline Text left_text(const char* text, i32 count) {
    return take_text(call(commands::kLeftText, {arg_text(text), arg_int(count)}));
}
inline Text right_text(const char* text, i32 count) {
    return take_text(call(commands::kRightText, {arg_text(text), arg_int(count)}));
}
inline Text blank_text(i32 length) { return take_text(call(commands::kBlankText, {arg_int(length)})); }
inline Text to_upper_case(const char* text) { return take_text(call(commands::kToUpperCase, {arg_text(text)})); }

// 1-based byte position of the first occurrence, or -1.
inline i32 find_text(const char* text, const char* sought, std::optional<i32> start = std::nullopt,
                     std::optional<bool> case_insensitive = std::nullopt) {
    return take_int(call(commands::kFindText, {arg_text(text), arg_text(sought), arg_optional_int(start),
                                               arg_optional_bool(case_insensitive)}));
}
// 1-based byte position of the last occurrence that ends before the start position, or -1.
inline i32 find_text_backwards(const char* text, const char* sought, std::optional<i32> start = std::nullopt,
                               std::optional<bool> case_insensitive = std::nullopt) {
    return take_int(call(commands::kFindTextBackwards, {arg_text(text), arg_text(sought), arg_optional_int(start),
                                                        arg_optional_bool(case_insensitive)}));
}
// Negative, 0 or positive.
inline i32 compare_text(const char* a, const char* b, bool case_sensitive) {
    return take_int(call(commands::kCompareText, {arg_text(a), arg_text(b), arg_bool(case_sensitive)}));
}
inline TextArray split_text(const char* text, std::optional<const char*> delimiter = std::nullopt,
                            std::optional<i32> max_count = std::nullopt) {
    return take_text_array(
        call(commands::kSplitText, {arg_text(text), arg_optional_text(delimiter), arg_optional_int(max_count)}));
}

// ---- program launch --------------------------------------------------------------------

// True when the process was created; show mode 1 to 6, normal when omitted.
inline bool run_program(const char* command_line, bool wait, std::optional<i32> show_mode = std::nullopt) {
    return take_bool(call(commands::kRunProgram, {arg_text(command_line), arg_bool(wait), arg_optional_int(show_mode)}));
}

// ---- byte sets and conversions -------------------------------------------------------------

inline Text to_text(rt::ArgRecord value) { return take_text(call(commands::kToText, {value})); }
inline Bytes to_byte_set(rt::ArgRecord value) { return take_bytes(call(commands::kToByteSet, {value})); }
inline Bytes blank_byte_set(i32 length) { return take_bytes(call(commands::kBlankByteSet, {arg_int(length)})); }
inline i32 byte_set_length(const rt::ByteSetHeader* set) {
    return take_int(call(commands::kByteSetLength, {arg_bytes(set)}));
}
inline Bytes pointer_to_byte_set(const void* address, i32 length) {
    return take_bytes(call(commands::kPointerToByteSet, {arg_int(static_cast<i32>(reinterpret_cast<u32>(address))), arg_int(length)}));
}

// Data type numbers of get byte set data.
enum class ByteSetData : i32 {
    Byte = 1, Short = 2, Int = 3, Long = 4, Float = 5, Double = 6, Logical = 7, DateTime = 8, Subprogram = 9, Text = 10,
};
// The raw result, its tag naming the kind read; `position`, when given, is the
// 1-based position to read from and receives the next one (-1 at the end).
inline rt::ResultRecord get_byte_set_data(const rt::ByteSetHeader* set, i32 type, i32* position = nullptr) {
    return call(commands::kGetByteSetData,
                {arg_bytes(set), arg_int(type), position ? arg_int_variable(position) : omitted()});
}
inline i32 get_byte_set_int(const rt::ByteSetHeader* set, Site where, i32* position = nullptr) {
    return take_int(expect(get_byte_set_data(set, static_cast<i32>(ByteSetData::Int), position), rt::kTagInt, where));
}
inline Text get_byte_set_text(const rt::ByteSetHeader* set, Site where, i32* position = nullptr) {
    return take_text(expect(get_byte_set_data(set, static_cast<i32>(ByteSetData::Text), position), rt::kTagText, where));
}

inline i32 to_integer(rt::ArgRecord value) { return take_int(call(commands::kToInteger, {value})); }
inline i32 to_integer(const char* text) { return to_integer(arg_text(text)); }

inline double integer_divide(double dividend, std::initializer_list<double> divisors) {
    std::vector<rt::ArgRecord> args = {arg_double(dividend)};
    for (double d : divisors) args.push_back(arg_double(d));
    return take_double(call(commands::kIntegerDivide, std::move(args)));
}

}  // namespace logic
