// Handler offsets become code addresses: -1 means no handler (0), anything else is
// relative to the code base and must name a slot of the handler table; menu items
// carry a single offset.
#include <gtest/gtest.h>

#include <vector>

#include "forms/template_archive.h"
#include "forms/template_model.h"
#include "forms/template_types.h"
#include "tests/forms/template_test_util.h"
#include "tuner/handler_offsets.h"

namespace {

using namespace forms;

constexpr u32 kCodeBase = 0x00401000;
constexpr u32 kSlots = 32;

RecordView with_events(std::vector<EventBinding> events) {
    RecordView v;
    v.type_id = kTypeButton;
    v.name = "按钮9";
    v.children = {0x16010005};
    v.cursor_data = {0, 0, 0, 0};
    v.tag = "t";
    v.events = std::move(events);
    v.property_data = {1, 0, 0, 0, 0xAA};
    return v;
}

TemplateSegment one_window(std::vector<std::pair<u32, ByteBlock>> records) {
    TemplateSegment s;
    s.windows.resize(1);
    s.windows[0].window_id = 0x52010001;
    for (auto& [id, bytes] : records) {
        s.windows[0].table.ids.push_back(id);
        s.windows[0].table.records.push_back(bytes);
    }
    return s;
}

TEST(TemplateHandlers, TheRealTemplateResolvesAgainstTheCodeBase) {
    ByteBlock bytes = template_test::real_template();
    TemplateSegment before, after;
    ASSERT_TRUE(read_segment(bytes.data(), bytes.size(), &before));
    after = before;
    ASSERT_TRUE(resolve_handlers(&after, kCodeBase, tuner::kHandlerCount));

    const ComponentTable& a = before.windows[0].table;
    const ComponentTable& b = after.windows[0].table;
    int bound = 0;
    for (size_t i = 0; i < a.records.size(); ++i) {
        RecordView old_view, new_view;
        ASSERT_TRUE(parse_record(a.records[i], &old_view));
        ASSERT_TRUE(parse_record(b.records[i], &new_view));
        ASSERT_EQ(old_view.events.size(), new_view.events.size());
        for (size_t k = 0; k < old_view.events.size(); ++k) {
            EXPECT_EQ(new_view.events[k].event, old_view.events[k].event);
            EXPECT_EQ(static_cast<u32>(new_view.events[k].handler),
                      kCodeBase + static_cast<u32>(old_view.events[k].handler));
            ++bound;
        }
        // Nothing but the handler words changed.
        new_view.events = old_view.events;
        EXPECT_EQ(build_record(new_view), a.records[i]) << old_view.name;
    }
    EXPECT_EQ(bound, 8);

    RecordView window;
    ASSERT_TRUE(parse_record(b.records[0], &window));
    EXPECT_EQ(static_cast<u32>(window.events[1].handler),
              kCodeBase + tuner::handler_offset(tuner::kHandlerWindowDestroy));
}

TEST(TemplateHandlers, MinusOneBecomesNoHandlerAndOtherOffsetsAreAdded) {
    TemplateSegment s = one_window({
        {kWindowRecordId, build_record(with_events({{0, 0}, {2, -1}, {3, 0x7C}}))},
        {0x16010003, build_record(with_events({{-7, -1}, {0, 4}}))},
        {0x16010004, build_record(with_events({}))},
    });
    ASSERT_TRUE(resolve_handlers(&s, kCodeBase, kSlots));
    std::vector<std::vector<i32>> expected = {
        {static_cast<i32>(kCodeBase), 0, static_cast<i32>(kCodeBase + 0x7C)},
        {0, static_cast<i32>(kCodeBase + 4)},
        {},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        RecordView v;
        ASSERT_TRUE(parse_record(s.windows[0].table.records[i], &v));
        std::vector<i32> handlers;
        for (const EventBinding& e : v.events) handlers.push_back(e.handler);
        EXPECT_EQ(handlers, expected[i]) << i;
        EXPECT_EQ(v.property_data, (ByteBlock{1, 0, 0, 0, 0xAA}));
    }
}

TEST(TemplateHandlers, MenuItemsHaveTheirSingleOffsetResolved) {
    const ByteBlock tail = {0xFF, 0xFF, 0xFF, 0xFF, 9};  // looks like -1 but is not the handler
    ByteBlock bound = template_test::menu_item_record("菜单项", 0x20, tail);
    ByteBlock unbound = template_test::menu_item_record("", -1);
    TemplateSegment s = one_window({
        {kWindowRecordId, build_record(with_events({{0, 8}}))},
        {0x26010010, bound},
        {0x26010011, unbound},
    });
    // Read through the segment reader first: menu items must survive it unparsed.
    ByteBlock bytes = write_segment(s);
    TemplateSegment read;
    ASSERT_TRUE(read_segment(bytes.data(), bytes.size(), &read));
    ASSERT_TRUE(resolve_handlers(&read, kCodeBase, kSlots));

    const ByteBlock& b = read.windows[0].table.records[1];
    size_t at = bound.size() - tail.size() - 4;
    EXPECT_EQ(load_u32(&b[at]), kCodeBase + 0x20);
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), b.end() - tail.size()));
    EXPECT_TRUE(std::equal(b.begin(), b.begin() + at, bound.begin()));
    const ByteBlock& u = read.windows[0].table.records[2];
    EXPECT_EQ(load_u32(&u[u.size() - 4]), 0u);
}

TEST(TemplateHandlers, AnUnwalkableRecordFailsWithoutChangingAnything) {
    ByteBlock broken = build_record(with_events({{0, 4}}));
    broken.resize(40);  // cut inside the fixed fields
    TemplateSegment s = one_window({
        {kWindowRecordId, build_record(with_events({{0, 4}}))},
        {0x16010003, broken},
    });
    const TemplateSegment before = s;
    EXPECT_FALSE(resolve_handlers(&s, kCodeBase, kSlots));
    EXPECT_EQ(s.windows[0].table.records, before.windows[0].table.records);
}

// Event dispatch calls through the resolved address: an offset that is not a whole
// slot of the table, or lies past its end, would send it into arbitrary memory.
TEST(TemplateHandlers, AnOffsetNamingNoSlotOfTheTableFailsTheWholeSegment) {
    const i32 last = static_cast<i32>((kSlots - 1) * kHandlerSlotSize);
    const auto segment_with = [](i32 component_offset, i32 menu_offset) {
        return one_window({
            {kWindowRecordId, build_record(with_events({{0, 0}, {2, -1}}))},
            {0x16010003, build_record(with_events({{-7, 4}, {0, component_offset}}))},
            {0x26010010, template_test::menu_item_record("菜单项", menu_offset)},
        });
    };
    TemplateSegment fine = segment_with(last, last);
    EXPECT_TRUE(resolve_handlers(&fine, kCodeBase, kSlots));

    const struct {
        i32 component, menu;
        const char* what;
    } bad[] = {
        {last + 4, 0, "one slot past the end"},
        {0x7FFFFFFC, 0, "far past the end"},
        {2, 0, "inside a slot"},
        {last + 1, 0, "inside the last slot"},
        {-4, 0, "before the table"},
        {-2, 0, "negative, not -1"},
        {0, last + 4, "a menu item's past the end"},
        {0, 6, "a menu item's inside a slot"},
    };
    for (const auto& b : bad) {
        TemplateSegment s = segment_with(b.component, b.menu);
        const TemplateSegment before = s;
        EXPECT_FALSE(resolve_handlers(&s, kCodeBase, kSlots)) << b.what;
        EXPECT_EQ(s.windows[0].table.records, before.windows[0].table.records) << b.what;
    }
    // A program without handlers accepts only unbound events.
    TemplateSegment none = segment_with(-1, -1);
    EXPECT_FALSE(resolve_handlers(&none, kCodeBase, 0));  // the other bindings name slots 0 and 1
    TemplateSegment unbound = one_window({{kWindowRecordId, build_record(with_events({{0, -1}}))}});
    EXPECT_TRUE(resolve_handlers(&unbound, kCodeBase, 0));
}

}  // namespace
