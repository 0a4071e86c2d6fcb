#include "tests/components/tool_template.h"

#include <gtest/gtest.h>

#include "data/main_window_template.h"
#include "tests/support/event_log.h"

namespace component_test {

forms::WindowEntry tool_window() {
    forms::TemplateSegment segment;
    EXPECT_TRUE(forms::read_segment(main_window_template(), main_window_template_length(), &segment));
    return segment.windows.at(0);
}

forms::ByteBlock template_block(forms::u32 component_id) {
    forms::TemplateSegment segment;
    EXPECT_TRUE(forms::read_segment(main_window_template(), main_window_template_length(), &segment));
    for (const forms::WindowEntry& w : segment.windows) {
        const int at = w.table.find(component_id);
        forms::RecordView view;
        if (at >= 0 && forms::parse_record(w.table.records[at], &view)) return view.property_data;
    }
    ADD_FAILURE() << "no record " << testing_support::hex(component_id) << " in the tool's template";
    return {};
}

}  // namespace component_test
