// Blank byte set, byte set length, pointer to byte set and get byte set data, and the
// two commands that end the program on a bad argument (in child processes).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/error_box.h"
#include "logic/commands.h"
#include "tests/commands/command_test_program.h"
#include "tests/support/child_process.h"

namespace {

using logic::ByteSetData;
using ByteList = std::vector<unsigned char>;

ByteList contents(const logic::Bytes& b) { return b.get() ? ByteList(b.data(), b.data() + b.size()) : ByteList{}; }

rt::ResultRecord read(const logic::Bytes& set, ByteSetData type, rt::i32* position = nullptr) {
    return logic::get_byte_set_data(set.get(), static_cast<rt::i32>(type), position);
}
rt::ResultRecord read_at(const logic::Bytes& set, ByteSetData type, rt::i32 position) {
    return logic::call(commands::kGetByteSetData,
                       {logic::arg_bytes(set.get()), logic::arg_int(static_cast<rt::i32>(type)), logic::arg_int(position)});
}
std::string text_result(const rt::ResultRecord& r) { return logic::take_text(r).c_str(); }

const unsigned char kEight[8] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x88};

TEST(ByteSets, BlankLengthAndPointer) {
    EXPECT_EQ(contents(logic::blank_byte_set(16)), ByteList(16, 0));
    EXPECT_EQ(logic::blank_byte_set(0).get(), nullptr);
    EXPECT_EQ(logic::blank_byte_set(-4).get(), nullptr);
    EXPECT_EQ(logic::byte_set_length(logic::blank_byte_set(300).get()), 300);
    EXPECT_EQ(logic::byte_set_length(nullptr), 0);

    unsigned char memory[6] = {9, 8, 7, 6, 5, 4};
    const logic::Bytes copy = logic::pointer_to_byte_set(memory + 1, 4);
    memory[2] = 0;  // a copy, not a view
    EXPECT_EQ(contents(copy), (ByteList{8, 7, 6, 5}));
    EXPECT_EQ(logic::pointer_to_byte_set(memory, 0).get(), nullptr);
    EXPECT_EQ(logic::pointer_to_byte_set(memory, -3).get(), nullptr);
}

TEST(GetByteSetData, EveryKindWithItsTag) {
    const logic::Bytes set = logic::Bytes::copy_of(kEight, 8);
    struct Case {
        ByteSetData type;
        rt::u32 tag, lo, hi;
    };
    const Case cases[] = {
        {ByteSetData::Byte, rt::kTagByte, 0x01, 0},
        {ByteSetData::Short, rt::kTagShort, 0x0201, 0},
        {ByteSetData::Int, rt::kTagInt, 0x04030201, 0},
        {ByteSetData::Long, rt::kTagLong, 0x04030201, 0x88070605},
        {ByteSetData::Float, rt::kTagFloat, 0x04030201, 0},
        {ByteSetData::Double, rt::kTagDouble, 0x04030201, 0x88070605},
        {ByteSetData::Logical, rt::kTagBool, 1, 0},
        {ByteSetData::Subprogram, rt::kTagSubprogram, 0x04030201, 0},
    };
    for (const Case& c : cases) {
        const rt::ResultRecord r = read(set, c.type);
        EXPECT_EQ(r.tag, c.tag) << static_cast<int>(c.type);
        EXPECT_EQ(r.lo, c.lo) << static_cast<int>(c.type);
        EXPECT_EQ(r.hi, c.hi) << static_cast<int>(c.type);
    }
    // A short is sign-extended, a byte is not.
    const unsigned char negative[2] = {0xFE, 0xFF};
    const logic::Bytes two = logic::Bytes::copy_of(negative, 2);
    EXPECT_EQ(read(two, ByteSetData::Short).lo, 0xFFFFFFFEu);
    EXPECT_EQ(read(two, ByteSetData::Byte).lo, 0xFEu);
    // Logical is the whole word: only a zero word is false.
    const unsigned char high_only[4] = {0, 0, 0, 1};
    EXPECT_EQ(read(logic::Bytes::copy_of(high_only, 4), ByteSetData::Logical).lo, 1u);
    // A date-time is clamped into the valid range.
    const double huge = 1e12;
    const rt::ResultRecord r = read(logic::Bytes::copy_of(&huge, 8), ByteSetData::DateTime);
    EXPECT_EQ(r.tag, static_cast<rt::u32>(rt::kTagDateTime));
    EXPECT_EQ(logic::take_double(r), 2958465.0);
}

TEST(GetByteSetData, TextsEndAtTheFirstNulAndMissingBytesReadAsZero) {
    const rt::ResultRecord r = read(logic::Bytes::copy_of("wegame.exe\0rest", 15), ByteSetData::Text);
    EXPECT_EQ(r.tag, static_cast<rt::u32>(rt::kTagText));
    EXPECT_EQ(text_result(r), "wegame.exe");
    EXPECT_EQ(text_result(read(logic::Bytes::copy_of("abc", 3), ByteSetData::Text)), "abc");
    EXPECT_EQ(read(logic::Bytes(), ByteSetData::Text).lo, 0u);

    const logic::Bytes two = logic::Bytes::copy_of("\x11\x22", 2);
    EXPECT_EQ(read(two, ByteSetData::Int).lo, 0x2211u);
    const rt::ResultRecord d = read(two, ByteSetData::Long);
    EXPECT_EQ(d.lo, 0x2211u);
    EXPECT_EQ(d.hi, 0u);
    EXPECT_EQ(read(logic::Bytes(), ByteSetData::Int).lo, 0u);
}

TEST(GetByteSetData, PositionVariableWalksThroughTheSet) {
    const logic::Bytes set = logic::Bytes::copy_of(kEight, 8);
    rt::i32 position = 1;
    EXPECT_EQ(read(set, ByteSetData::Int, &position).lo, 0x04030201u);
    EXPECT_EQ(position, 5);
    EXPECT_EQ(read(set, ByteSetData::Int, &position).lo, 0x88070605u);
    EXPECT_EQ(position, -1);

    position = 7;
    EXPECT_EQ(read(set, ByteSetData::Int, &position).lo, 0x8807u);  // two bytes left
    EXPECT_EQ(position, -1);
    position = 20;
    EXPECT_EQ(read(set, ByteSetData::Int, &position).lo, 0u);
    EXPECT_EQ(position, -1);
    // From position 0 nothing is read, but the position still advances by the size.
    position = 0;
    EXPECT_EQ(read(set, ByteSetData::Int, &position).lo, 0u);
    EXPECT_EQ(position, 4);
    position = -6;
    EXPECT_EQ(read(set, ByteSetData::Short, &position).lo, 0u);
    EXPECT_EQ(position, -4);
}

TEST(GetByteSetData, PositionVariableAfterTexts) {
    const logic::Bytes set = logic::Bytes::copy_of("ab\0cd", 5);
    rt::i32 position = 1;
    EXPECT_EQ(text_result(read(set, ByteSetData::Text, &position)), "ab");
    EXPECT_EQ(position, 4);  // past the NUL
    EXPECT_EQ(text_result(read(set, ByteSetData::Text, &position)), "cd");
    EXPECT_EQ(position, -1);
    position = 0;
    EXPECT_EQ(read(set, ByteSetData::Text, &position).lo, 0u);
    EXPECT_EQ(position, 0);  // nothing consumed, so it stays where it was
}

TEST(GetByteSetData, PositionValueIsReadButNotUpdated) {
    const logic::Bytes set = logic::Bytes::copy_of(kEight, 8);
    EXPECT_EQ(read_at(set, ByteSetData::Short, 3).lo, 0x0403u);
    EXPECT_EQ(read_at(set, ByteSetData::Byte, 8).lo, 0x88u);
    EXPECT_EQ(read_at(set, ByteSetData::Byte, 9).lo, 0u);
}

// The two commands that cannot go on: the runtime error box with their message, and
// the end of the process with exit code -1.
void start_reporting_child() {
    command_tests::start_command_runtime();
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
}

TRIVANE_CHILD_SCENARIO(byte_set_data_type_11) {
    start_reporting_child();
    logic::get_byte_set_data(logic::Bytes::copy_of(kEight, 8).get(), 11);
    testing_support::child_report("went on");
}

TRIVANE_CHILD_SCENARIO(byte_set_data_type_0) {
    start_reporting_child();
    logic::get_byte_set_data(nullptr, 0);
    testing_support::child_report("went on");
}

TRIVANE_CHILD_SCENARIO(integer_divide_by_zero) {
    start_reporting_child();
    logic::integer_divide(9, {2, 0});
    testing_support::child_report("went on");
}

TEST(CommandErrors, DataTypeOutsideOneToTenEndsTheProgram) {
    for (const char* scenario : {"byte_set_data_type_11", "byte_set_data_type_0"}) {
        const testing_support::ChildResult child = testing_support::run_child(scenario);
        EXPECT_EQ(child.exit_code, 0xFFFFFFFFu) << scenario;
        EXPECT_EQ(child.report, "code=0\n“欲取出数据的类型”参数值无效\r\n0, 0\r\n") << scenario;
    }
}

TEST(CommandErrors, DividingByZeroEndsTheProgram) {
    const testing_support::ChildResult child = testing_support::run_child("integer_divide_by_zero");
    EXPECT_EQ(child.exit_code, 0xFFFFFFFFu);
    EXPECT_EQ(child.report, "code=0\n不能整除于零\r\n0, 0\r\n");
}

}  // namespace
