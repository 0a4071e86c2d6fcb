// Reading and writing the segment: the archive conventions, record walking, and the
// strictness that makes a read segment write back byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/template_archive.h"
#include "forms/template_model.h"
#include "forms/template_types.h"
#include "tests/forms/template_test_util.h"

namespace {

using namespace forms;
using template_test::GuardedBuffer;

ByteBlock words(std::initializer_list<u32> values) {
    ArchiveWriter w;
    for (u32 v : values) w.put_u32(v);
    return w.take();
}

RecordView sample_view() {
    RecordView v;
    v.type_id = kTypeCheckBox;
    v.event_link = 0x16010009;
    v.reserved1[2] = 7;
    v.name = "选择框9";
    v.second_name = "second";
    v.left = -12;
    v.top = 34;
    v.width = 56;
    v.height = 78;
    v.container_id = 0x16010001;
    v.children = {0x16010003, 0, 0x16010004};
    v.cursor_data = {0x0E, 0, 0, 0};
    v.tag = "tag text";
    v.reserved_word = 5;
    v.state_flags = kStateVisible | kStateDisabled | kStateTabStop;
    v.focus_order = 3;
    v.events = {{0, 8}, {-7, -1}, {-8, 0}};
    v.reserved2[4] = 9;
    v.property_data = words({2, 1, 2, 3});
    return v;
}

void expect_same_view(const RecordView& a, const RecordView& b) {
    EXPECT_EQ(a.type_id, b.type_id);
    EXPECT_EQ(a.event_link, b.event_link);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(a.reserved1[i], b.reserved1[i]);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.second_name, b.second_name);
    EXPECT_EQ(a.object_slot, b.object_slot);
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(a.cursor_slot, b.cursor_slot);
    EXPECT_EQ(a.container_id, b.container_id);
    EXPECT_EQ(a.children, b.children);
    EXPECT_EQ(a.cursor_data, b.cursor_data);
    EXPECT_EQ(a.tag, b.tag);
    EXPECT_EQ(a.reserved_word, b.reserved_word);
    EXPECT_EQ(a.state_flags, b.state_flags);
    EXPECT_EQ(a.focus_order, b.focus_order);
    ASSERT_EQ(a.events.size(), b.events.size());
    for (size_t i = 0; i < a.events.size(); ++i) {
        EXPECT_EQ(a.events[i].event, b.events[i].event);
        EXPECT_EQ(a.events[i].handler, b.events[i].handler);
    }
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a.reserved2[i], b.reserved2[i]);
    EXPECT_EQ(a.property_data, b.property_data);
}

// A one-window segment around the given records.
TemplateSegment segment_of(std::vector<std::pair<u32, ByteBlock>> records) {
    TemplateSegment s;
    s.windows.resize(1);
    WindowEntry& w = s.windows[0];
    w.window_id = 0x52010007;
    w.reserved_slot = 0xDEADBEEF;
    w.word_a = 1;
    w.word_b = 0x19010005;
    w.text1 = "窗口一";
    w.text2 = "x";
    for (auto& [id, bytes] : records) {
        w.table.ids.push_back(id);
        w.table.records.push_back(bytes);
    }
    return s;
}

TEST(TemplateArchive, ReadsEachEncodingAndRefusesToRunPastTheEnd) {
    ArchiveWriter w;
    w.put_u32(0x12345678);
    w.put_counted_text("标签");
    w.put_byte_block({1, 2, 3});
    w.put_inline_text("abc");
    w.put_i32(-1);
    w.put_u8(0x41);
    const ByteBlock data = w.take();
    ASSERT_EQ(data.size(), 4u + 8 + 7 + 4 + 4 + 1);

    GuardedBuffer buffer(data.size());
    ArchiveReader in(buffer.place(data), data.size());
    u32 word;
    i32 minus;
    std::uint8_t byte;
    std::string text, inline_text;
    ByteBlock block;
    EXPECT_TRUE(in.read_u32(&word) && in.read_counted_text(&text) && in.read_byte_block(&block) &&
                in.read_inline_text(&inline_text) && in.read_i32(&minus) && in.read_u8(&byte));
    EXPECT_EQ(word, 0x12345678u);
    EXPECT_EQ(text, "标签");
    EXPECT_EQ(block, (ByteBlock{1, 2, 3}));
    EXPECT_EQ(inline_text, "abc");
    EXPECT_EQ(minus, -1);
    EXPECT_EQ(byte, 0x41);
    EXPECT_TRUE(in.at_end());
    EXPECT_FALSE(in.read_u8(&byte));
    EXPECT_FALSE(in.ok());
}

TEST(TemplateArchive, EveryLengthIsCheckedAgainstTheEnd) {
    struct Case {
        const char* what;
        ByteBlock data;
        bool (*read)(ArchiveReader&);
    } cases[] = {
        {"word of 3 bytes", {1, 2, 3}, [](ArchiveReader& r) { u32 w; return r.read_u32(&w); }},
        {"counted text one byte short", {4, 0, 0, 0, 'a', 'b', 'c'},
         [](ArchiveReader& r) { std::string s; return r.read_counted_text(&s); }},
        {"huge counted text", {0xFF, 0xFF, 0xFF, 0xFF, 'a'},
         [](ArchiveReader& r) { std::string s; return r.read_counted_text(&s); }},
        {"byte block past the end", {0, 0, 0, 0x80, 1},
         [](ArchiveReader& r) { ByteBlock b; return r.read_byte_block(&b); }},
        {"inline text without its 0", {'a', 'b', 'c'},
         [](ArchiveReader& r) { std::string s; return r.read_inline_text(&s); }},
        {"inline text at the end", {},
         [](ArchiveReader& r) { std::string s; return r.read_inline_text(&s); }},
        {"skip past the end", {1, 2}, [](ArchiveReader& r) { return r.skip(3); }},
    };
    for (const Case& c : cases) {
        GuardedBuffer buffer(c.data.size());
        ArchiveReader in(buffer.place(c.data), c.data.size());
        EXPECT_FALSE(c.read(in)) << c.what;
        // After one failure everything fails, so callers can check once.
        u32 w;
        EXPECT_FALSE(in.read_u32(&w)) << c.what;
        EXPECT_EQ(in.remaining(), 0u) << c.what;
        EXPECT_TRUE(in.read_rest().empty()) << c.what;
    }
}

TEST(TemplateRecord, BuildAndParseAreInverse) {
    const RecordView v = sample_view();
    const ByteBlock bytes = build_record(v);
    RecordView back;
    ASSERT_TRUE(parse_record(bytes, &back));
    expect_same_view(v, back);
    EXPECT_EQ(build_record(back), bytes);

    // Fields after the name sit where the walk says: name at 24, geometry after the texts.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[24])), "选择框9");
    size_t geometry = 24 + v.name.size() + 1 + v.second_name.size() + 1 + 4;
    EXPECT_EQ(static_cast<i32>(load_u32(&bytes[geometry])), -12);
    // Property data is the tail.
    EXPECT_TRUE(std::equal(v.property_data.begin(), v.property_data.end(),
                           bytes.end() - v.property_data.size()));
}

TEST(TemplateRecord, ATruncatedRecordParsesOnlyWhenTheCutFallsInThePropertyData) {
    RecordView v = sample_view();
    const ByteBlock full = build_record(v);
    const size_t property_start = full.size() - v.property_data.size();
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        ByteBlock part(full.begin(), full.begin() + cut);
        RecordView out;
        bool ok = parse_record(part, &out);
        EXPECT_EQ(ok, cut >= property_start) << cut;
        if (ok) {
            EXPECT_EQ(out.property_data.size(), cut - property_start);
        }
    }
}

TEST(TemplateRecord, CountsLargerThanTheRecordAreRefused) {
    RecordView v = sample_view();
    ByteBlock bytes = build_record(v);
    size_t children_at = 24 + v.name.size() + 1 + v.second_name.size() + 1 + 28;
    for (u32 bad : {0x40000000u, 0xFFFFFFFFu, 0x10000u}) {
        ByteBlock b = bytes;
        store_u32(&b[children_at], bad);
        RecordView out;
        EXPECT_FALSE(parse_record(b, &out)) << std::hex << bad;
    }
}

TEST(TemplateRecord, EveryRecordOfTheRealTemplateRebuildsIdentically) {
    ByteBlock bytes = template_test::real_template();
    TemplateSegment s;
    ASSERT_TRUE(read_segment(bytes.data(), bytes.size(), &s));
    for (const ByteBlock& record : s.windows[0].table.records) {
        RecordView v;
        ASSERT_TRUE(parse_record(record, &v));
        EXPECT_EQ(build_record(v), record) << v.name;
    }
}

TEST(TemplateSegment, TheRealTemplateWritesBackByteForByte) {
    ByteBlock bytes = template_test::real_template();
    TemplateSegment s;
    ASSERT_TRUE(read_segment(bytes.data(), bytes.size(), &s));
    EXPECT_EQ(write_segment(s), bytes);
}

TEST(TemplateSegment, SeveralWindowsKeepTheirOrderSlotsTextsAndRecords) {
    TemplateSegment s = segment_of({{kWindowRecordId, build_record(sample_view())},
                                    {0x16010003, build_record(sample_view())},
                                    {0x26010004, template_test::menu_item_record("菜单1", 12)}});
    TemplateSegment second = segment_of({{kWindowRecordId, build_record(RecordView{})}});
    second.windows[0].window_id = 0x52010008;
    second.windows[0].text1.clear();
    s.windows.push_back(second.windows[0]);

    ByteBlock bytes = write_segment(s);
    TemplateSegment back;
    ASSERT_TRUE(read_segment(bytes.data(), bytes.size(), &back));
    ASSERT_EQ(back.windows.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(back.windows[i].window_id, s.windows[i].window_id);
        EXPECT_EQ(back.windows[i].reserved_slot, s.windows[i].reserved_slot);
        EXPECT_EQ(back.windows[i].word_a, s.windows[i].word_a);
        EXPECT_EQ(back.windows[i].word_b, s.windows[i].word_b);
        EXPECT_EQ(back.windows[i].text1, s.windows[i].text1);
        EXPECT_EQ(back.windows[i].text2, s.windows[i].text2);
        EXPECT_EQ(back.windows[i].table.ids, s.windows[i].table.ids);
        EXPECT_EQ(back.windows[i].table.records, s.windows[i].table.records);
    }
    EXPECT_EQ(back.windows[0].table.find(0x26010004), 2);
    EXPECT_EQ(back.windows[0].table.find(0x16019999), -1);
    // Ids first, then the paired slots.
    EXPECT_EQ(load_u32(&bytes[4]), 0x52010007u);
    EXPECT_EQ(load_u32(&bytes[8]), 0x52010008u);
    EXPECT_EQ(load_u32(&bytes[12]), 0xDEADBEEFu);
}

// The object and cursor slots hold run-time pointers: whatever a template stores there
// is dropped on reading, and nothing else of the record changes.
TEST(TemplateSegment, RunTimeSlotsComeBackClearedAndNothingElseChanges) {
    RecordView planted = sample_view();
    planted.object_slot = 0x0BADF00D;
    planted.cursor_slot = 0x00405000;
    const ByteBlock menu = template_test::menu_item_record("菜单1", 12, {0x0D, 0xF0, 0xAD, 0x0B});
    const ByteBlock bytes = write_segment(segment_of({{kWindowRecordId, build_record(planted)},
                                                      {0x16010003, build_record(planted)},
                                                      {0x26010004, menu}}));
    TemplateSegment s;
    ASSERT_TRUE(read_segment(bytes.data(), bytes.size(), &s));
    RecordView cleared = planted;
    cleared.object_slot = 0;
    cleared.cursor_slot = 0;
    const ComponentTable& table = s.windows[0].table;
    EXPECT_EQ(table.records[0], build_record(cleared));
    EXPECT_EQ(table.records[1], build_record(cleared));
    EXPECT_EQ(table.records[2], menu);  // a menu item has no such slots
}

TEST(TemplateSegment, AnEmptySegmentHasNoWindows) {
    const ByteBlock bytes = words({0});
    TemplateSegment s;
    ASSERT_TRUE(read_segment(bytes.data(), bytes.size(), &s));
    EXPECT_TRUE(s.windows.empty());
    EXPECT_EQ(write_segment(s), bytes);
}

// Segments the writer never produces are refused whole: the model could not write
// them back as they were.
TEST(TemplateSegment, LayoutsOtherThanTheWritersAreRefused) {
    const ByteBlock good = write_segment(segment_of({{kWindowRecordId, build_record(sample_view())},
                                                     {0x16010003, build_record(sample_view())}}));
    // Window table block (12 bytes), words A and B, the two counted texts, then the count.
    const size_t count_at = 12 + 8 + (4 + std::string("窗口一").size()) + (4 + 1);
    const size_t body_at = count_at + 8;
    ASSERT_EQ(load_u32(&good[count_at]), 2u);
    TemplateSegment s;
    ASSERT_TRUE(read_segment(good.data(), good.size(), &s));

    auto refused = [&](const char* what, ByteBlock b) {
        GuardedBuffer buffer(b.size());
        TemplateSegment out;
        EXPECT_FALSE(read_segment(buffer.place(b), b.size(), &out)) << what;
    };
    ByteBlock b = good;
    b.push_back(0);
    refused("a byte after the last window", b);

    b = good;
    store_u32(&b[0], 12);  // a window table that is not a whole number of pairs
    refused("window table of 12 bytes", b);

    b = good;
    store_u32(&b[body_at + 12], 4);  // second record's offset moved off its start
    refused("record offset that skips bytes", b);

    b = good;
    std::swap_ranges(&b[body_at + 8], &b[body_at + 12], &b[body_at + 12]);  // offsets swapped
    refused("records out of order", b);

    b = good;
    store_u32(&b[count_at], 3);
    refused("component count larger than the table", b);

    b = good;
    store_u32(&b[count_at], 1);
    refused("component count smaller than the table", b);

    b = good;
    store_u32(&b[count_at], 0x20000000);
    refused("component count whose arrays overflow", b);

    // A record that cannot be walked to its event list makes the whole segment bad.
    RecordView v = sample_view();
    ByteBlock record = build_record(v);
    record.resize(30);
    ByteBlock bad = write_segment(segment_of({{kWindowRecordId, record}}));
    refused("record cut inside its fields", bad);
    // A menu item whose handler word is missing.
    ByteBlock menu = template_test::menu_item_record("m", 0);
    menu.resize(menu.size() - 2);
    refused("menu item without its handler", write_segment(segment_of({{0x26010004, menu}})));
}

TEST(TemplateSegment, AFailedReadLeavesTheOutputUntouched) {
    TemplateSegment out = segment_of({{kWindowRecordId, {}}});
    const ByteBlock bad = {1, 0, 0};
    EXPECT_FALSE(read_segment(bad.data(), bad.size(), &out));
    ASSERT_EQ(out.windows.size(), 1u);
    EXPECT_EQ(out.windows[0].window_id, 0x52010007u);
}

}  // namespace
