// Damaged segments: every truncation and many seeded random corruptions of the real
// template. The reader must never crash nor read past the end (the data ends at an
// inaccessible page), and whatever it accepts must be consistent: it writes back to
// exactly the bytes read, and every record walks and resolves.
#include <gtest/gtest.h>

#include <random>

#include "forms/template_archive.h"
#include "forms/template_model.h"
#include "tests/forms/template_test_util.h"

namespace {

using namespace forms;
using template_test::GuardedBuffer;

// Reads `data`; when accepted, checks the result is consistent. Returns acceptance.
bool read_consistently(GuardedBuffer& buffer, const ByteBlock& data) {
    TemplateSegment s;
    if (!read_segment(buffer.place(data), data.size(), &s)) return false;
    EXPECT_EQ(write_segment(s), data);
    for (const WindowEntry& w : s.windows) {
        EXPECT_EQ(w.table.ids.size(), w.table.records.size());
        for (size_t i = 0; i < w.table.records.size(); ++i) {
            RecordView v;
            if (!is_menu_item_id(w.table.ids[i])) {
                EXPECT_TRUE(parse_record(w.table.records[i], &v));
            }
        }
    }
    EXPECT_TRUE(resolve_handlers(&s, 0x00400000));
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

// Words that make lengths and counts interesting: zero, off by one, huge, negative.
u32 interesting_word(std::mt19937& rng, u32 old) {
    const u32 table[] = {0, 1, 3, 4, 8, 0x7F, 0x80, 0xFF, 0x100, 0xFFFF, 0x7FFFFFFF, 0x80000000,
                         0xFFFFFFFF, 0xFFFFFFFE, old + 1, old - 1, old + 4, old - 4, old * 2, old / 2};
    return table[rng() % (sizeof(table) / sizeof(table[0]))];
}

ByteBlock corrupt(std::mt19937& rng, ByteBlock data) {
    int changes = 1 + rng() % 4;
    for (int c = 0; c < changes && !data.empty(); ++c) {
        size_t at = rng() % data.size();
        switch (rng() % 6) {
        case 0:  // a flipped bit
            data[at] ^= std::uint8_t(1u << (rng() % 8));
            break;
        case 1:  // a random byte
            data[at] = std::uint8_t(rng());
            break;
        case 2:  // an aligned word, where most lengths and counts sit, set to an edge value
            at &= ~size_t(3);
            if (at + 4 <= data.size()) store_u32(&data[at], interesting_word(rng, load_u32(&data[at])));
            break;
        case 3:  // bytes removed
            data.erase(data.begin() + at, data.begin() + std::min(data.size(), at + 1 + rng() % 8));
            break;
        case 4:  // bytes inserted
            data.insert(data.begin() + at, 1 + rng() % 8, std::uint8_t(rng()));
            break;
        case 5:  // the tail cut off
            data.resize(at);
            break;
        }
    }
    return data;
}

TEST(TemplateFuzz, RandomCorruptionsNeverCrashAndAcceptOnlyConsistentSegments) {
    const ByteBlock full = template_test::real_template();
    GuardedBuffer buffer(full.size() + 64);
    int accepted = 0, refused = 0;
    for (std::uint32_t seed = 1; seed <= 20000; ++seed) {
        std::mt19937 rng(seed);
        ByteBlock damaged = corrupt(rng, full);
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
