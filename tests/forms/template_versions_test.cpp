// A property data block newer than its type's reader travels through the segment
// unchanged; the type's reader is the one to refuse it.
#include <gtest/gtest.h>

#include "forms/components/window_properties.h"
#include "forms/template_archive.h"
#include "forms/template_model.h"
#include "tests/forms/template_test_util.h"

namespace {

using namespace forms;

bool window_reads(const RecordView& window) {
    WindowProperties p;
    return read_window_properties(window.property_data.data(), static_cast<u32>(window.property_data.size()), &p);
}

TEST(PropertyVersions, ATooNewWindowBlockIsCarriedByTheSegmentAndRefusedByItsReader) {
    ByteBlock bytes = template_test::real_template();
    TemplateSegment s;
    ASSERT_TRUE(read_segment(bytes.data(), bytes.size(), &s));
    RecordView window;
    ASSERT_TRUE(parse_record(s.windows[0].table.records[0], &window));
    ASSERT_TRUE(window_reads(window));
    store_u32(window.property_data.data(), kWindowTable.version + 1);
    s.windows[0].table.records[0] = build_record(window);

    ByteBlock newer = write_segment(s);
    TemplateSegment back;
    ASSERT_TRUE(read_segment(newer.data(), newer.size(), &back));
    RecordView again;
    ASSERT_TRUE(parse_record(back.windows[0].table.records[0], &again));
    EXPECT_EQ(load_u32(again.property_data.data()), kWindowTable.version + 1);
    EXPECT_FALSE(window_reads(again));
}

}  // namespace
