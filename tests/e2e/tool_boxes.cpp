#include "tests/e2e/tool_boxes.h"

#include <gtest/gtest.h>

#include "tests/support/code_pages.h"

namespace e2e {

using testing_support::LookedAtBox;

std::vector<LookedAtBox> press(const Trivane& tool, int button) {
    testing_support::LookingAnswerer answerer(tool.pid());
    tool.click(button);
    return answerer.answered();
}

void expect_box(const LookedAtBox& box, const std::string& text, const std::string& title) {
    using testing_support::utf8_from_wide;
    using testing_support::wide_from_gbk;
    // Told in UTF-8, which the test's output shows whatever this process's code page.
    EXPECT_TRUE(box.wide_text == wide_from_gbk(text))
        << "shows \"" << utf8_from_wide(box.wide_text) << "\", not \"" << utf8_from_wide(wide_from_gbk(text)) << "\"";
    EXPECT_TRUE(box.wide_title == wide_from_gbk(title)) << "titled \"" << utf8_from_wide(box.wide_title) << "\", not \""
                                                        << utf8_from_wide(wide_from_gbk(title)) << "\"";
    EXPECT_EQ(box.button_ids, std::vector<int>{IDOK});
    EXPECT_TRUE(box.icon == testing_support::icon_of_style(16))
        << "not the icon of style 16: " << utf8_from_wide(box.wide_text);
}

void expect_box(const std::vector<LookedAtBox>& boxes, const std::string& text, const std::string& title) {
    ASSERT_EQ(boxes.size(), 1u);
    expect_box(boxes[0], text, title);
}

}  // namespace e2e
