// To text, to byte set and to integer over every kind of value, with the number,
// date-time and byte formats; integer divide.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "logic/commands.h"

namespace {

std::string text_of(rt::ArgRecord value) { return logic::to_text(value).c_str(); }

std::vector<unsigned char> bytes_of(rt::ArgRecord value) {
    const logic::Bytes b = logic::to_byte_set(value);
    return b.get() ? std::vector<unsigned char>(b.data(), b.data() + b.size()) : std::vector<unsigned char>{};
}
using ByteList = std::vector<unsigned char>;

// An array block built the way the program logic holds one: header, then elements.
class ArrayBlock {
public:
    ArrayBlock(std::vector<rt::i32> sizes, const void* elements, size_t element_bytes) {
        block_.resize(4 + 4 * sizes.size() + element_bytes);
        const rt::i32 d = static_cast<rt::i32>(sizes.size());
        std::memcpy(block_.data(), &d, 4);
        std::memcpy(block_.data() + 4, sizes.data(), 4 * sizes.size());
        if (element_bytes) std::memcpy(block_.data() + 4 + 4 * sizes.size(), elements, element_bytes);
    }
    const void* get() const { return block_.data(); }

private:
    std::vector<unsigned char> block_;
};

TEST(ToText, NumbersInTheirFormats) {
    EXPECT_EQ(text_of(logic::arg_int(-5)), "-5");
    EXPECT_EQ(text_of(logic::arg_byte(255)), "255");
    EXPECT_EQ(text_of(logic::arg_short(-2)), "-2");
    EXPECT_EQ(text_of(logic::arg_long(-9007199254740993LL)), "-9007199254740993");
    EXPECT_EQ(text_of(logic::arg_float(1.0f / 3)), "0.333333");
    EXPECT_EQ(text_of(logic::arg_double(0.1)), "0.1");
    EXPECT_EQ(text_of(logic::arg_double(1.0 / 3)), "0.3333333333333");
    EXPECT_EQ(text_of(logic::arg_double(1e20)), "1e+20");
}

TEST(ToText, LogicalAndTextAndKindsWithoutAText) {
    EXPECT_EQ(text_of(logic::arg_bool(true)), "真");
    EXPECT_EQ(text_of(logic::arg_bool(false)), "假");
    const char original[] = "原文";
    const logic::Text copy = logic::to_text(logic::arg_text(original));
    EXPECT_EQ(copy, original);
    EXPECT_NE(copy.get(), original);  // a new block the caller owns
    EXPECT_EQ(logic::to_text(logic::arg_text("")).get(), nullptr);
    EXPECT_EQ(logic::to_text(logic::omitted()).get(), nullptr);
    EXPECT_EQ(logic::to_text({0x401000, 0, rt::kTagSubprogram}).get(), nullptr);
}

TEST(ToText, DateTimeShowsTheTimeDownToItsLastNonZeroPart) {
    EXPECT_EQ(text_of(logic::arg_date_time(45000.0)), "2023年3月15日");
    EXPECT_EQ(text_of(logic::arg_date_time(45000.0 + 8.5 / 24)), "2023年3月15日8时30分");
    EXPECT_EQ(text_of(logic::arg_date_time(45000.0 + (8 * 3600 + 5) / 86400.0)), "2023年3月15日8时0分5秒");
    EXPECT_EQ(text_of(logic::arg_date_time(0.0)), "1899年12月30日");
    EXPECT_EQ(text_of(logic::arg_date_time(-1.25)), "1899年12月29日6时");
    EXPECT_EQ(text_of(logic::arg_date_time(61.0)), "1900年3月1日");
    // Rounded to the second: a hair before midnight is the next day.
    EXPECT_EQ(text_of(logic::arg_date_time(45000.0 - 0.1 / 86400)), "2023年3月15日");
    // Clamped into 0100-01-01 to 9999-12-31.
    EXPECT_EQ(text_of(logic::arg_date_time(1e9)), "9999年12月31日");
    EXPECT_EQ(text_of(logic::arg_date_time(-1e9)), "100年1月1日");
    EXPECT_EQ(text_of(logic::arg_date_time(std::numeric_limits<double>::quiet_NaN())), "1899年12月30日");
}

TEST(ToText, RawBytesEndAtTheFirstNul) {
    const char process_name[8] = {'c', 'm', 'd', '.', 'e', 'x', 'e', 0};
    unsigned char field[12] = {'w', 'e', 'g', 'a', 'm', 'e', 0, 'x', 'y', 0, 0, 0};
    const ArrayBlock with_nul({12}, field, sizeof field);
    EXPECT_EQ(text_of(logic::arg_array(rt::kTagByte, with_nul.get())), "wegame");
    const ArrayBlock without_nul({7}, process_name, 7);
    EXPECT_EQ(text_of(logic::arg_array(rt::kTagByte, without_nul.get())), "cmd.exe");
    const logic::Bytes set = logic::Bytes::copy_of("ab\0cd", 5);
    EXPECT_EQ(text_of(logic::arg_bytes(set.get())), "ab");
    EXPECT_EQ(logic::to_text(logic::arg_bytes(nullptr)).get(), nullptr);
    const rt::i32 ints[2] = {0x44434241, 0x00004645};
    const ArrayBlock int_array({2}, ints, sizeof ints);
    EXPECT_EQ(text_of(logic::arg_array(rt::kTagInt, int_array.get())), "ABCDEF");
    // Every element of a two-dimensional array, not the second size word.
    const ArrayBlock grid({2, 3}, "abcdef", 6);
    EXPECT_EQ(text_of(logic::arg_array(rt::kTagByte, grid.get())), "abcdef");
    const char* texts[1] = {"no"};
    const ArrayBlock text_array({1}, texts, sizeof texts);
    EXPECT_EQ(logic::to_text(logic::arg_array(rt::kTagText, text_array.get())).get(), nullptr);
}

TEST(ToByteSet, StorageFormsLowByteFirst) {
    EXPECT_EQ(bytes_of(logic::arg_text("abc")), (ByteList{'a', 'b', 'c'}));
    EXPECT_EQ(bytes_of(logic::arg_int(1)), (ByteList{1, 0, 0, 0}));
    EXPECT_EQ(bytes_of(logic::arg_byte(0xAB)), (ByteList{0xAB}));
    EXPECT_EQ(bytes_of(logic::arg_short(-2)), (ByteList{0xFE, 0xFF}));
    EXPECT_EQ(bytes_of(logic::arg_long(0x0102030405060708LL)), (ByteList{8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(bytes_of(logic::arg_double(1.0)), (ByteList{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(bytes_of(logic::arg_bool(true)), (ByteList{1, 0, 0, 0}));
    EXPECT_EQ(bytes_of(logic::arg_date_time(1.5)), (ByteList{0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
    EXPECT_EQ(bytes_of({0x00401000, 0, rt::kTagSubprogram}), (ByteList{0x00, 0x10, 0x40, 0x00}));
    EXPECT_EQ(bytes_of({0x11223344, 0x55667788, rt::kTagEightBytes}),
              (ByteList{0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55}));
}

TEST(ToByteSet, ByteSetsArraysAndKindsWithoutBytes) {
    const logic::Bytes set = logic::Bytes::copy_of("x\0y", 3);
    EXPECT_EQ(bytes_of(logic::arg_bytes(set.get())), (ByteList{'x', 0, 'y'}));
    const rt::i32 ints[2] = {1, -1};
    const ArrayBlock int_array({2}, ints, sizeof ints);
    EXPECT_EQ(bytes_of(logic::arg_array(rt::kTagInt, int_array.get())), (ByteList{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    const char* texts[1] = {"no"};
    const ArrayBlock text_array({1}, texts, sizeof texts);
    EXPECT_EQ(logic::to_byte_set(logic::arg_array(rt::kTagText, text_array.get())).get(), nullptr);
    EXPECT_EQ(logic::to_byte_set(logic::omitted()).get(), nullptr);
    EXPECT_EQ(logic::to_byte_set({0x1234, 0, 0x10001}).get(), nullptr);
}

TEST(ToInteger, NumbersTruncateTowardZero) {
    EXPECT_EQ(logic::to_integer(logic::arg_double(3.99)), 3);
    EXPECT_EQ(logic::to_integer(logic::arg_double(-3.99)), -3);
    EXPECT_EQ(logic::to_integer(logic::arg_byte(255)), 255);
    EXPECT_EQ(logic::to_integer(logic::arg_short(-2)), -2);
    EXPECT_EQ(logic::to_integer(logic::arg_long(0x100000005LL)), 5);
    EXPECT_EQ(logic::to_integer(logic::arg_bool(true)), 1);
    EXPECT_EQ(logic::to_integer({0x00401000, 0, rt::kTagSubprogram}), 0x00401000);
    EXPECT_EQ(logic::to_integer(logic::arg_date_time(45000.0)), 0);
    EXPECT_EQ(logic::to_integer(logic::omitted()), 0);
    // Out of range and not-a-number give defined values.
    EXPECT_EQ(logic::to_integer(logic::arg_double(1e20)), 2147483647);
    EXPECT_EQ(logic::to_integer(logic::arg_double(-1e20)), -2147483647 - 1);
    EXPECT_EQ(logic::to_integer(logic::arg_double(std::nan(""))), 0);
}

TEST(ToInteger, TextsReadAsDecimalAfterTheHalfWidthMapping) {
    EXPECT_EQ(logic::to_integer("123"), 123);
    EXPECT_EQ(logic::to_integer("１２３"), 123);
    EXPECT_EQ(logic::to_integer("－４２"), -42);
    EXPECT_EQ(logic::to_integer("\xA1\xA1\xA1\xA1+１5元"), 15);  // ideographic spaces first
    EXPECT_EQ(logic::to_integer(" \t-7x"), -7);
    EXPECT_EQ(logic::to_integer("abc"), 0);
    EXPECT_EQ(logic::to_integer("- 5"), 0);
    EXPECT_EQ(logic::to_integer("99999999999"), 2147483647);
    EXPECT_EQ(logic::to_integer("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(logic::to_integer("中1"), 0);  // other double-byte characters stay as they are
    EXPECT_EQ(logic::to_integer("1\xB0"), 1);  // a lead byte at the very end
}

TEST(IntegerDivide, DropsTheFractionAfterEveryDivisor) {
    EXPECT_EQ(logic::integer_divide(9, {2}), 4.0);
    EXPECT_EQ(logic::integer_divide(9, {2, 2}), 2.0);
    EXPECT_EQ(logic::integer_divide(-7, {2}), -3.0);
    EXPECT_EQ(logic::integer_divide(7.9, {-1}), -7.0);
    EXPECT_EQ(logic::integer_divide(7.5, {}), 7.5);  // no divisor: the dividend unchanged
}

}  // namespace
