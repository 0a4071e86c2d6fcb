// Texts, byte sets and arrays as the runtime makes them and the program logic uses
// them: empty values are null, comparisons treat null and "" alike, index checks end
// in the error box.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

#include "runtime/application.h"
#include "runtime/error_box.h"
#include "logic/calls.h"
#include "logic/constants.h"
#include "runtime/memory.h"
#include "runtime/texts.h"
#include "tests/support/child_process.h"

namespace {

TEST(Texts, EmptySourcesMakeNoHeapBlock) {
    EXPECT_EQ(rt::copy_text(nullptr), nullptr);
    EXPECT_EQ(rt::copy_text(""), nullptr);
    EXPECT_EQ(rt::make_text("abc", 0), nullptr);
    EXPECT_EQ(rt::make_text("abc", -3), nullptr);
    EXPECT_EQ(rt::make_byte_set("abc", 0), nullptr);
    EXPECT_EQ(logic::Text::copy("").get(), nullptr);

    char* two = rt::make_text("abc", 2);
    EXPECT_STREQ(two, "ab");
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, two), 3u);  // exactly length + 1
    rt::release(two);

    rt::ByteSetHeader* set = rt::make_byte_set("\0\1\2", 3);
    EXPECT_EQ(set->dimensions, 1);
    EXPECT_EQ(set->length, 3);
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, set), 11u);
    EXPECT_EQ(rt::byte_set_data(set)[2], 2);
    rt::release(set);
}

TEST(Texts, ComparisonTreatsNullAsEmptyAndBytesAsUnsigned) {
    struct Row {
        const char* a;
        const char* b;
        rt::i32 expected;
    } rows[] = {
        {nullptr, nullptr, 0}, {nullptr, "", 0},  {"", nullptr, 0},   {nullptr, "a", -1},
        {"a", nullptr, 1},     {"a", "b", -1},    {"b", "a", 1},      {"ab", "a", 1},
        {"a", "ab", -1},       {"abc", "abc", 0}, {"\x80", "a", 1},   {"提示", "提示", 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(rt::compare_texts(r.a, r.b), r.expected) << (r.a ? r.a : "null") << " / " << (r.b ? r.b : "null");

    const logic::Text empty;
    EXPECT_TRUE(empty == "");
    EXPECT_TRUE(logic::Text::copy("x") == "x");
}

TEST(Texts, JoiningAlwaysMakesANewBlock) {
    logic::Text none = logic::join({nullptr, ""});
    ASSERT_NE(none.get(), nullptr);
    EXPECT_STREQ(none.get(), "");

    logic::Text path = logic::join({"C:\\Games", nullptr, "\\LeagueClient", "\\system.yaml"});
    EXPECT_STREQ(path.get(), "C:\\Games\\LeagueClient\\system.yaml");
    EXPECT_EQ(path.length(), 33u);
}

// A command that reports what it received, so the calling protocol is visible.
rt::ArgRecord g_seen[4];
rt::i32 g_seen_count;
void recording_command(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args) {
    g_seen_count = count;
    for (rt::i32 i = 0; i < count && i < 4; ++i) g_seen[i] = args[i];
    (void)result;  // writes nothing: the caller must see a zeroed record
}

TEST(CommandCall, NullTextsAndByteSetsArriveAsTheStaticEmptyOnes) {
    const logic::Text empty;
    const rt::ResultRecord r =
        logic::call(recording_command, {logic::arg_text(empty), logic::arg_bytes(nullptr), logic::omitted(),
                                        logic::arg_int(-2)});
    EXPECT_EQ(r.lo, 0u);
    EXPECT_EQ(r.hi, 0u);
    EXPECT_EQ(r.tag, 0u);

    ASSERT_EQ(g_seen_count, 4);
    const char* text = reinterpret_cast<const char*>(g_seen[0].lo);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(*text, '\0');
    EXPECT_EQ(g_seen[0].tag, rt::kTagText);
    const char* block = logic::constant_block_start();
    EXPECT_TRUE(text >= block && text < block + logic::constant_block_length());

    const auto* bytes = reinterpret_cast<const rt::ByteSetHeader*>(g_seen[1].lo);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes->dimensions, 1);
    EXPECT_EQ(bytes->length, 0);

    EXPECT_EQ(g_seen[2].lo, 0u);  // omitted: all three words 0
    EXPECT_EQ(g_seen[2].hi, 0u);
    EXPECT_EQ(g_seen[2].tag, 0u);
    EXPECT_EQ(static_cast<rt::i32>(g_seen[3].lo), -2);
    EXPECT_EQ(g_seen[3].tag, rt::kTagInt);
}

TEST(TextArrays, AppendCopiesAndCountsFromOne) {
    logic::TextArray list;
    EXPECT_EQ(list.size(), 0);
    std::string source = "C:\\a";
    list.append(source.c_str());
    list.append(nullptr);
    list.append("D:\\b");
    source[0] = 'X';  // the element is a copy
    ASSERT_EQ(list.size(), 3);
    const logic::Site here = {0x04010001, 1};
    EXPECT_STREQ(list.at(1, here), "C:\\a");
    EXPECT_EQ(list.at(2, here), nullptr);
    EXPECT_STREQ(list.at(3, here), "D:\\b");
    EXPECT_EQ(list.get()->dimensions, 1);
    EXPECT_EQ(list.get()->sizes[0], 3);
}

// A heap block of these dimension sizes followed by copies of the texts.
rt::ArrayHeader* array_block(std::initializer_list<rt::i32> sizes, std::initializer_list<const char*> texts) {
    const size_t header_words = 1 + sizes.size();
    auto* words = static_cast<rt::i32*>(logic::allocate(static_cast<rt::i32>(4 * (header_words + texts.size()))));
    words[0] = static_cast<rt::i32>(sizes.size());
    std::copy(sizes.begin(), sizes.end(), words + 1);
    char** slots = reinterpret_cast<char**>(words + header_words);
    for (const char* text : texts) *slots++ = logic::Text::copy(text).release();
    return reinterpret_cast<rt::ArrayHeader*>(words);
}

// An array block may be shorter than a one-dimensional header (no dimension at all)
// or longer (several); appending must stay inside the blocks it owns. The blocks come
// from a heap that checks the bytes after each block: the global flag for tail
// checking, set in this child's process block, applies to heaps made afterwards.
TRIVANE_CHILD_SCENARIO(append_to_odd_headers) {
    rt::set_error_hook(testing_support::report_error_and_suppress_box);  // a damaged heap may fail an allocation
    constexpr size_t kGlobalFlagOffset = 0x68;  // in the 32-bit process block
    constexpr ULONG kHeapTailCheck = 0x10;
    using CurrentPeb = unsigned char*(WINAPI*)();
    const auto current_peb =
        reinterpret_cast<CurrentPeb>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetCurrentPeb"));
    *reinterpret_cast<ULONG*>(current_peb() + kGlobalFlagOffset) |= kHeapTailCheck;
    const HANDLE checked = HeapCreate(0, 0, 0);
    rt::app().heap = checked;

    logic::TextArray none = logic::TextArray::adopt(array_block({}, {}));  // just the dimension count
    none.append("甲");
    logic::TextArray two = logic::TextArray::adopt(array_block({2, 2}, {"a", "b", "c", "d"}));
    two.append("e");

    const logic::Site here = {0x04010001, 2};
    std::string seen;
    for (const logic::TextArray* a : {&none, &two}) {
        seen += std::to_string(a->get()->dimensions) + ":" + std::to_string(a->size());
        for (rt::i32 i = 1; i <= a->size(); ++i) seen += std::string(" ") + a->at(i, here);
        seen += "\n";
    }
    testing_support::child_report(seen + (HeapValidate(checked, 0, nullptr) ? "heap intact" : "heap damaged"));
}

TEST(TextArrays, AppendStaysInsideItsBlocksWhateverTheirHeader) {
    const auto r = testing_support::run_child("append_to_odd_headers");
    EXPECT_EQ(r.exit_code, 0u);
    EXPECT_EQ(r.report, "1:1 甲\n1:5 a b c d e\nheap intact");
}

TRIVANE_CHILD_SCENARIO(array_index_zero) {
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    logic::TextArray list;
    list.append("x");
    list.at(0, {0x04010002, 7});
}

TRIVANE_CHILD_SCENARIO(array_index_past_end) {
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    logic::TextArray list;
    list.append("x");
    list.at(2, {0x04010002, 8});
}

TEST(TextArrays, IndexErrorsEndTheProgramAtTheCallSite) {
    auto r = testing_support::run_child("array_index_zero");
    EXPECT_EQ(r.exit_code, 0xFFFFFFFFu);
    EXPECT_EQ(r.report, "code=4\n数组成员引用下标必须大于等于1\r\n67174402, 7\r\n");

    r = testing_support::run_child("array_index_past_end");
    EXPECT_EQ(r.exit_code, 0xFFFFFFFFu);
    EXPECT_EQ(r.report, "code=1\n数组成员引用下标超出定义范围\r\n67174402, 8\r\n");
}

void text_command(rt::ResultRecord* result, rt::i32, rt::ArgRecord*) {
    result->lo = reinterpret_cast<rt::u32>(rt::copy_text("result"));
    result->tag = rt::kTagText;
}
void int_command(rt::ResultRecord* result, rt::i32, rt::ArgRecord*) {
    result->lo = 42;
    result->tag = rt::kTagInt;
}

TEST(CommandCall, ResultsOfTheExpectedKindPassTheCheck) {
    logic::Text text = logic::take_text(logic::expect(logic::call(text_command, {}), rt::kTagText, {0x04010003, 1}));
    EXPECT_TRUE(text == "result");
    EXPECT_EQ(logic::take_int(logic::expect(logic::call(int_command, {}), rt::kTagInt, {0x04010003, 2})), 42);
}

TRIVANE_CHILD_SCENARIO(result_kind_mismatch) {
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    logic::expect(logic::call(int_command, {}), rt::kTagText, {0x04010003, 9});
}

TEST(CommandCall, AResultOfAnotherKindIsError5) {
    const auto r = testing_support::run_child("result_kind_mismatch");
    EXPECT_EQ(r.exit_code, 0xFFFFFFFFu);
    EXPECT_EQ(r.report, "code=5\n数据或数组类型不匹配\r\n67174403, 9\r\n");
}

}  // namespace
