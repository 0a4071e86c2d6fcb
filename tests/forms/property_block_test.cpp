// The property model on a small record of every field kind: the stored layout and
// its versions, how a written value is kept, get and set, the applies rule, and the
// descriptors built from the fields.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "forms/common_properties.h"
#include "forms/property_archive.h"
#include "forms/property_block.h"

namespace {

using forms::ByteBlock;
using forms::Keep;
using forms::ValueRecord;
using rt::i32;
using rt::u32;

struct Record {
    u32 mode = 1;
    u32 size = 10;
    u32 colour = 0x123456;
    char letter = 'C';
    ByteBlock data;
    std::string name = "名称";
    std::string later = "新";
};

enum : i32 { kMode = 8, kSize, kColour, kLetter, kData, kName, kLater, kPropertyCount };
enum class Effect { None, Redraw, Rebuild };

using Field = forms::PropertyField<Record, Effect>;
using forms::member;

bool colour_applies(const Record& r) { return r.mode != 0; }

// Stored order differs from property order: the size comes first.
constexpr Field kFields[] = {
    {.property = kSize, .describe = forms::described("大小", "size", forms::kCodeInteger2),
     .word = member<&Record::size>, .keep = Keep::AtLeast, .limit = 5},
    {.property = kMode, .describe = forms::described("方式", "mode", forms::kCodeChoice),
     .word = member<&Record::mode>, .keep = Keep::Choice, .limit = 2, .effect = Effect::Redraw},
    {.property = kColour, .describe = forms::described("颜色", "colour", forms::kCodeColour),
     .word = member<&Record::colour>, .keep = Keep::AtMost, .limit = 100, .applies = colour_applies},
    {.property = kLetter, .describe = forms::described("字母", "letter", forms::kCodeText),
     .byte = member<&Record::letter>, .keep = Keep::ByType},
    {.property = kData, .describe = forms::described("数据", "data", forms::kCodePicture),
     .block = member<&Record::data>, .effect = Effect::Rebuild},
    {.property = kName, .describe = forms::described("名称", "name", forms::kCodeText),
     .text = member<&Record::name>},
    {.property = kLater, .describe = forms::described("后加", "later", forms::kCodeText),
     .text = member<&Record::later>, .since = 2},
};

Record defaults() { return {}; }
void no_texts(const Record&, forms::TextCallback, void*) {}

const forms::PropertyTable<Record, Effect> kTable = {2, kFields, defaults, no_texts};

ByteBlock block_of(u32 version, bool with_later) {
    forms::PropertyWriter out;
    out.u32_word(version);
    out.u32_word(7);   // size
    out.u32_word(2);   // mode
    out.u32_word(50);  // colour
    out.byte('D');
    out.block({1, 2, 3});
    out.text("甲");
    if (with_later) out.text("乙");
    return out.bytes();
}

Record read(const ByteBlock& block, bool* ok) {
    Record r;
    r.name = "not read";
    *ok = forms::read_properties(kTable, block.data(), static_cast<u32>(block.size()), &r);
    return r;
}

TEST(PropertyBlock, StoresFieldsInTableOrderAndReadsOlderVersions) {
    bool ok = false;
    const Record r = read(block_of(2, true), &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(r.size, 7u);
    EXPECT_EQ(r.mode, 2u);
    EXPECT_EQ(r.colour, 50u);
    EXPECT_EQ(r.letter, 'D');
    EXPECT_EQ(r.data, ByteBlock({1, 2, 3}));
    EXPECT_EQ(r.name, "甲");
    EXPECT_EQ(r.later, "乙");
    EXPECT_EQ(forms::write_properties(kTable, r), block_of(2, true));

    // A version 1 block lacks the later field, which keeps its default; it is written
    // back in the table's version.
    const Record old = read(block_of(1, false), &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(old.name, "甲");
    EXPECT_EQ(old.later, "新");
    ByteBlock upgraded = block_of(2, false);
    forms::PropertyWriter later;
    later.text("新");
    upgraded.insert(upgraded.end(), later.bytes().begin(), later.bytes().end());
    EXPECT_EQ(forms::write_properties(kTable, old), upgraded);

    // Newer than the table, running out, and empty.
    read(block_of(3, true), &ok);
    EXPECT_FALSE(ok);
    const ByteBlock whole = block_of(2, true);
    read(ByteBlock(whole.begin(), whole.end() - 1), &ok);
    EXPECT_FALSE(ok);
    read(block_of(1, true), &ok);  // a version 1 block with a stray text is still read
    EXPECT_TRUE(ok);
    const Record empty = read({}, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(empty.name, "名称");
    EXPECT_EQ(empty.size, 10u);
}

TEST(PropertyBlock, KeepsWrittenValuesAsEachFieldSays) {
    struct Case {
        i32 property;
        u32 written;
        u32 stored;
    } cases[] = {
        {kMode, 1, 1},  {kMode, 9, 2},       {kMode, static_cast<u32>(-4), 0},        // clamped to 0 ... 2
        {kColour, 99, 99}, {kColour, 101, 100}, {kColour, static_cast<u32>(-4), static_cast<u32>(-4)},  // at most
        {kSize, 6, 6},  {kSize, 4, 5},       {kSize, static_cast<u32>(-1), 5},        // at least, signed
    };
    Record r;
    for (const Case& c : cases) {
        ASSERT_NE(forms::set_property(kTable, &r, c.property, {c.written, 0}), nullptr);
        ValueRecord out = {0, 0};
        ASSERT_TRUE(forms::get_property(kTable, r, c.property, &out));
        EXPECT_EQ(out.value, c.stored) << c.property << " " << c.written;
    }

    // The type keeps the letter itself: a set leaves it, and says which field it was.
    const Field* letter = forms::set_property(kTable, &r, kLetter, {'x', 0});
    ASSERT_NE(letter, nullptr);
    EXPECT_EQ(letter->property, kLetter);
    EXPECT_EQ(r.letter, 'C');

    // Whether the stored value changed, and the field's set effect.
    bool changed = true;
    const Field* mode = forms::set_property(kTable, &r, kMode, {0, 0}, &changed);  // as the last case left it
    EXPECT_FALSE(changed);
    EXPECT_EQ(mode->effect, Effect::Redraw);
    forms::set_property(kTable, &r, kMode, {2, 0}, &changed);
    EXPECT_TRUE(changed);

    // Texts and data are copied in.
    std::string text = "丙";
    forms::set_property(kTable, &r, kName, {reinterpret_cast<u32>(text.c_str()), 0}, &changed);
    text[0] = 'X';
    EXPECT_TRUE(changed);
    EXPECT_EQ(r.name, "丙");
    std::uint8_t bytes[] = {9, 8};
    EXPECT_EQ(forms::set_property(kTable, &r, kData, {reinterpret_cast<u32>(bytes), 2})->effect, Effect::Rebuild);
    bytes[0] = 0;
    EXPECT_EQ(r.data, ByteBlock({9, 8}));
    forms::set_property(kTable, &r, kName, {0, 0});
    EXPECT_EQ(r.name, "");

    // Unknown properties, common ones included, are refused.
    ValueRecord out = {0, 0};
    EXPECT_EQ(forms::set_property(kTable, &r, forms::kPropCursor, {1, 0}), nullptr);
    EXPECT_EQ(forms::set_property(kTable, &r, kPropertyCount, {1, 0}), nullptr);
    EXPECT_FALSE(forms::get_property(kTable, r, kPropertyCount, &out));
}

TEST(PropertyBlock, LendsTextsAndDataAndAppliesByRule) {
    Record r;
    ValueRecord out = {0, 0};
    ASSERT_TRUE(forms::get_property(kTable, r, kData, &out));
    EXPECT_EQ(out.value, 0u);  // no data: no pointer
    EXPECT_EQ(out.second, 0u);
    r.data = {4, 5, 6};
    ASSERT_TRUE(forms::get_property(kTable, r, kData, &out));
    EXPECT_EQ(out.value, reinterpret_cast<u32>(r.data.data()));
    EXPECT_EQ(out.second, 3u);
    ASSERT_TRUE(forms::get_property(kTable, r, kName, &out));
    EXPECT_STREQ(reinterpret_cast<const char*>(out.value), "名称");
    ASSERT_TRUE(forms::get_property(kTable, r, kLetter, &out));
    EXPECT_EQ(out.value, static_cast<u32>('C'));

    EXPECT_TRUE(forms::has_applies_rules(kTable));
    EXPECT_TRUE(forms::property_applies(kTable, r, kColour));
    r.mode = 0;
    EXPECT_FALSE(forms::property_applies(kTable, r, kColour));
    EXPECT_TRUE(forms::property_applies(kTable, r, kMode));           // no rule
    EXPECT_TRUE(forms::property_applies(kTable, r, kPropertyCount));  // not ours to refuse
}

TEST(PropertyBlock, DescriptorsStandAtTheirIndexesAfterTheCommonEight) {
    constexpr auto all = forms::property_descriptors<kPropertyCount - forms::kCommonPropertyCount>(kFields);
    static_assert(forms::every_property_described(all));
    ASSERT_EQ(all.size(), static_cast<size_t>(kPropertyCount));
    for (i32 i = 0; i < forms::kCommonPropertyCount; ++i)
        EXPECT_STREQ(all[i].name, forms::kCommonProperties[i].name) << i;
    EXPECT_STREQ(all[kMode].english_name, "mode");
    EXPECT_STREQ(all[kSize].english_name, "size");
    EXPECT_STREQ(all[kLater].name, "后加");
    EXPECT_EQ(forms::property_code(all[kColour]), forms::kCodeColour);

    // A table that leaves an index unnamed is caught.
    constexpr Field gap[] = {kFields[0], kFields[1]};  // size and mode only: 8 and 9 of 11
    constexpr auto partial = forms::property_descriptors<3>(gap);
    static_assert(!forms::every_property_described(partial));
}

}  // namespace
