// Damaged segments: every truncation and many seeded random corruptions of the real
// template. The reader must never crash nor read past the end (the data ends at an
// inaccessible page), and whatever it accepts must be consistent: it writes back to
// the bytes read with only the run-time slots cleared, every record walks, and
// handler resolution either binds every event to a slot of the table or changes
// nothing. (Loading what the reader accepts is the load fuzz test's business.)
#include <gtest/gtest.h>

#include <random>

#include "forms/template_archive.h"
#include "forms/template_model.h"
#include "tests/forms/template_corruption.h"
#include "tests/forms/template_test_util.h"
#include "tuner/handler_offsets.h"

namespace {

using namespace forms;
using template_test::GuardedBuffer;

constexpr u32 kCodeBase = 0x00400000;

// Every handler word of a resolved segment: none, or a whole slot of the table.
void expect_bound_to_slots(const TemplateSegment& s) {
    const u32 end = kCodeBase + tuner::kHandlerCount * kHandlerSlotSize;
    for (const WindowEntry& w : s.windows)
        for (size_t i = 0; i < w.table.records.size(); ++i) {
            RecordView v;
            if (is_menu_item_id(w.table.ids[i]) || !parse_record(w.table.records[i], &v)) continue;
            for (const EventBinding& e : v.events) {
                const u32 address = static_cast<u32>(e.handler);
                if (address == 0) continue;
                EXPECT_TRUE(address >= kCodeBase && address < end && (address - kCodeBase) % kHandlerSlotSize == 0)
                    << std::hex << address;
            }
        }
}

// Reads `data`; when accepted, checks the result is consistent. Returns acceptance.
bool read_consistently(GuardedBuffer& buffer, const ByteBlock& data) {
    TemplateSegment s;
    if (!read_segment(buffer.place(data), data.size(), &s)) return false;
    const ByteBlock written = write_segment(s);
    EXPECT_EQ(written.size(), data.size());
    TemplateSegment again;
    EXPECT_TRUE(read_segment(written.data(), written.size(), &again));
    for (size_t k = 0; k < s.windows.size() && k < again.windows.size(); ++k) {
        const ComponentTable& w = s.windows[k].table;
        EXPECT_EQ(w.ids.size(), w.records.size());
        EXPECT_EQ(again.windows[k].table.records, w.records);
        for (size_t i = 0; i < w.records.size(); ++i) {
            RecordView v;
            if (!is_menu_item_id(w.ids[i])) {
                EXPECT_TRUE(parse_record(w.records[i], &v));
                EXPECT_EQ(v.object_slot, 0u);
                EXPECT_EQ(v.cursor_slot, 0u);
            }
        }
    }
    const TemplateSegment read = s;
    if (resolve_handlers(&s, kCodeBase, tuner::kHandlerCount))
        expect_bound_to_slots(s);
    else
        for (size_t k = 0; k < s.windows.size(); ++k)
            EXPECT_EQ(s.windows[k].table.records, read.windows[k].table.records);
    return true;
}

TEST(TemplateFuzz, EveryTruncationIsRefused) {
    const ByteBlock full = template_test::real_template();
    GuardedBuffer buffer(full.size());
    for (size_t length = 0; length < full.size(); ++length) {
        ByteBlock cut(full.begin(), full.begin() + length);
        EXPECT_FALSE(read_consistently(buffer, cut)) << length;
    }
    EXPECT_TRUE(read_consistently(buffer, full));
}

TEST(TemplateFuzz, RandomCorruptionsNeverCrashAndAcceptOnlyConsistentSegments) {
    const ByteBlock full = template_test::real_template();
    GuardedBuffer buffer(full.size() + 64);
    int accepted = 0, refused = 0;
    for (std::uint32_t seed = 1; seed <= 20000; ++seed) {
        std::mt19937 rng(seed);
        ByteBlock damaged = template_test::corrupt(rng, full);
        (read_consistently(buffer, damaged) ? accepted : refused)++;
        if (HasFailure()) {
            ADD_FAILURE() << "seed " << seed;
            break;
        }
    }
    // Both outcomes occur: changes inside texts and property data are still segments.
    EXPECT_GT(accepted, 0);
    EXPECT_GT(refused, 0);
}

}  // namespace
