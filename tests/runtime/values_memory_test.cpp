// Storage forms, the constant data block and the three memory operations.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "runtime/application.h"
#include "runtime/arrays.h"
#include "runtime/error_box.h"
#include "runtime/memory.h"
#include "runtime/texts.h"
#include "runtime/values.h"
#include "tests/support/child_process.h"

namespace {

TEST(Values, SizesFollowTheKindTable) {
    struct Row {
        rt::u32 tag, stored, numeric;
    } rows[] = {
        {rt::kTagByte, 1, 1},       {rt::kTagShort, 2, 2},     {rt::kTagInt, 4, 4},
        {rt::kTagLong, 8, 8},       {rt::kTagFloat, 4, 4},     {rt::kTagDouble, 8, 8},
        {rt::kTagBool, 4, 0},       {rt::kTagDateTime, 8, 0},  {rt::kTagText, 4, 0},
        {rt::kTagBytes, 4, 0},      {rt::kTagSubprogram, 4, 0}, {rt::kTagEightBytes, 8, 0},
        {0, 0, 0},                  {0x00010001, 0, 0},        {rt::kTagInt | rt::kArrayFlag, 0, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(rt::value_size(r.tag), r.stored) << std::hex << r.tag;
        EXPECT_EQ(rt::numeric_size(r.tag), r.numeric) << std::hex << r.tag;
    }
    EXPECT_TRUE(rt::is_array_tag(0xA0000101));
    EXPECT_EQ(rt::element_tag(0xA0000101), rt::kTagByte);
    EXPECT_FALSE(rt::is_array_tag(0x20000101));  // no built-in bit
}

TEST(Values, DateTimeFromMemoryIsClampedToItsRange) {
    EXPECT_EQ(rt::clamp_date_time(-700000.0), -657434.0);
    EXPECT_EQ(rt::clamp_date_time(3000000.0), 2958465.0);
    EXPECT_EQ(rt::clamp_date_time(45000.25), 45000.25);
}

TEST(Values, RawBytesOfEachKind) {
    const char* text = "ab";
    rt::RawBytes r = rt::raw_bytes_of(rt::kTagText, &text);
    EXPECT_EQ(r.size, 3u);  // the NUL is included
    EXPECT_EQ(std::memcmp(r.data, "ab", 3), 0);

    const char* none = nullptr;
    r = rt::raw_bytes_of(rt::kTagText, &none);
    EXPECT_EQ(r.size, 1u);

    rt::ByteSetHeader* set = rt::make_byte_set("xyz", 3);
    r = rt::raw_bytes_of(rt::kTagBytes, &set);
    ASSERT_EQ(r.size, 3u);
    EXPECT_EQ(std::memcmp(r.data, "xyz", 3), 0);
    rt::release(set);

    const double d = 1.5;
    r = rt::raw_bytes_of(rt::kTagDouble, &d);
    EXPECT_EQ(r.size, 8u);
    EXPECT_EQ(r.data, &d);

    const rt::u32 other = 5;
    EXPECT_EQ(rt::raw_bytes_of(0x00010001, &other).size, 0u);
}

// A heap block stands in for the constant data block, so "not freed" is observable:
// the heap still knows the block afterwards.
class ConstantBlock : public testing::Test {
protected:
    void SetUp() override {
        block_ = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, kSize));
        std::memcpy(block_, "constant text\0tail", 18);
        rt::set_constant_block(block_, kSize);
    }
    void TearDown() override {
        rt::set_constant_block(nullptr, 0);
        HeapFree(GetProcessHeap(), 0, block_);
    }
    static constexpr rt::u32 kSize = 64;
    char* block_ = nullptr;
};

TEST_F(ConstantBlock, FreeingAPointerIntoItDoesNothing) {
    rt::release(block_);
    rt::release(block_ + 14);
    rt::release(nullptr);
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, block_), kSize);
    EXPECT_STREQ(block_, "constant text");
    EXPECT_TRUE(rt::in_constant_block(block_ + kSize - 1));
    EXPECT_FALSE(rt::in_constant_block(block_ + kSize));
}

TEST_F(ConstantBlock, ReallocatingAConstantCopiesItToTheHeap) {
    char* grown = static_cast<char*>(rt::reallocate(block_, 200));
    ASSERT_NE(grown, block_);
    EXPECT_FALSE(rt::in_constant_block(grown));
    EXPECT_EQ(std::memcmp(grown, "constant text\0tail", 18), 0);
    EXPECT_STREQ(block_, "constant text");  // the constant is untouched
    rt::release(grown);

    // Near the end of the block only the bytes up to its end are copied.
    char* tail = static_cast<char*>(rt::reallocate(block_ + kSize - 4, 100));
    EXPECT_EQ(std::memcmp(tail, block_ + kSize - 4, 4), 0);
    rt::release(tail);

    char* shrunk = static_cast<char*>(rt::reallocate(block_, 8));
    EXPECT_EQ(std::memcmp(shrunk, "constant", 8), 0);
    rt::release(shrunk);
}

TEST_F(ConstantBlock, UnshareCopiesOnlyArraysStillInTheBlock) {
    // An initial constant array of three integers inside the block.
    const rt::i32 words[] = {1, 3, 10, 20, 30};
    std::memcpy(block_ + 20, words, sizeof words);
    void* variable = block_ + 20;
    rt::unshare_array(4, &variable);
    ASSERT_NE(variable, block_ + 20);
    EXPECT_FALSE(rt::in_constant_block(variable));
    EXPECT_EQ(std::memcmp(variable, words, sizeof words), 0);
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, variable), sizeof words);

    void* heap_array = variable;
    rt::unshare_array(4, &variable);
    EXPECT_EQ(variable, heap_array);
    rt::release(variable);
}

TEST(Memory, ReallocateKeepsContentAndNullAllocates) {
    char* p = static_cast<char*>(rt::reallocate(nullptr, 4));
    std::memcpy(p, "abcd", 4);
    p = static_cast<char*>(rt::reallocate(p, 4096));
    EXPECT_EQ(std::memcmp(p, "abcd", 4), 0);
    rt::release(p);
    EXPECT_EQ(rt::allocate_unchecked(-1), nullptr);
}

TEST(Arrays, EmptyArrayIsOneDimensionOfSizeZero) {
    void* array = rt::new_empty_array();
    EXPECT_EQ(static_cast<rt::ArrayHeader*>(array)->dimensions, 1);
    EXPECT_EQ(rt::array_element_count(array), 0u);
    EXPECT_EQ(rt::array_header_size(array), 8u);
    rt::release(array);

    const rt::i32 two_by_three[] = {2, 2, 3};
    EXPECT_EQ(rt::array_element_count(two_by_three), 6u);
    EXPECT_EQ(rt::array_header_size(two_by_three), 12u);
    const rt::i32 no_dimension[] = {0};
    EXPECT_EQ(rt::array_element_count(no_dimension), 0u);
}

TRIVANE_CHILD_SCENARIO(allocate_too_much) {
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    rt::allocate(0x7FFFFFF0);
    testing_support::child_report("returned");
}

TRIVANE_CHILD_SCENARIO(reallocate_too_much) {
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    void* p = rt::allocate(16);
    rt::reallocate(p, 0x7FFFFFF0);
    testing_support::child_report("returned");
}

TEST(Memory, HeapExhaustionEndsInTheErrorBox) {
    for (const char* scenario : {"allocate_too_much", "reallocate_too_much"}) {
        const auto r = testing_support::run_child(scenario);
        EXPECT_EQ(r.exit_code, 0xFFFFFFFFu) << scenario;
        EXPECT_EQ(r.report, "code=0\n分配 2147483632 字节内存失败!\r\n0, 0\r\n") << scenario;
    }
}

}  // namespace
