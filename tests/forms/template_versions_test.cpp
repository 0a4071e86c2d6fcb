// A property data block newer than its type's reader is refused, before anything
// else in it is read.
#include <gtest/gtest.h>

#include "forms/template_archive.h"
#include "forms/template_model.h"
#include "forms/template_types.h"
#include "tests/forms/template_test_util.h"

namespace {

using namespace forms;

ByteBlock block_of_version(u32 version) {
    ArchiveWriter w;
    w.put_u32(version);
    w.put_u32(0);
    return w.take();
}

TEST(PropertyVersions, EachTypeAcceptsUpToItsNewestVersion) {
    const struct {
        u32 type;
        u32 newest;
    } rows[] = {
        {kTypeWindow, 6}, {kTypeLabel, 2},    {kTypeCheckBox, 2}, {kTypeGroupBox, 1},
        {kTypeButton, 1}, {kTypeRadioBox, 1}, {kTypeDriveBox, 1}, {kTypeSuperButton, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.type);
        EXPECT_EQ(check_property_version(row.type, block_of_version(0)), PropertyVersion::kAccepted);
        EXPECT_EQ(check_property_version(row.type, block_of_version(row.newest)), PropertyVersion::kAccepted);
        EXPECT_EQ(check_property_version(row.type, block_of_version(row.newest + 1)), PropertyVersion::kTooNew);
        EXPECT_EQ(check_property_version(row.type, block_of_version(0x80000000)), PropertyVersion::kTooNew);
        EXPECT_EQ(check_property_version(row.type, {}), PropertyVersion::kDefaults);
        EXPECT_EQ(check_property_version(row.type, {1, 0, 0}), PropertyVersion::kUnreadable);
    }
    EXPECT_EQ(check_property_version(0x00010002, block_of_version(1)), PropertyVersion::kUnreadable);
    EXPECT_EQ(max_property_version(0x00030001), -1);
}

TEST(PropertyVersions, ATooNewWindowBlockIsFoundInAReadTemplate) {
    // The segment reader carries any version; the window's reader is the one to refuse it.
    ByteBlock bytes = template_test::real_template();
    TemplateSegment s;
    ASSERT_TRUE(read_segment(bytes.data(), bytes.size(), &s));
    RecordView window;
    ASSERT_TRUE(parse_record(s.windows[0].table.records[0], &window));
    ASSERT_EQ(check_property_version(window.type_id, window.property_data), PropertyVersion::kAccepted);
    store_u32(window.property_data.data(), 7);
    s.windows[0].table.records[0] = build_record(window);

    ByteBlock newer = write_segment(s);
    TemplateSegment back;
    ASSERT_TRUE(read_segment(newer.data(), newer.size(), &back));
    RecordView again;
    ASSERT_TRUE(parse_record(back.windows[0].table.records[0], &again));
    EXPECT_EQ(check_property_version(again.type_id, again.property_data), PropertyVersion::kTooNew);
}

}  // namespace
