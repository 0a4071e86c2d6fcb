// Composition of the runtime error box text and of its location lines.
#include <gtest/gtest.h>

#include "runtime/error_box.h"

namespace {

rt::TemplateNames lookup(rt::u32 window_id, rt::u32 component_id) {
    rt::TemplateNames names = {false, {}, false, 0, {}};
    if (window_id != 0x52010001) return names;
    names.window_found = true;
    names.window_name = "启动窗口";
    if (component_id == 0) {  // the window's first record: its own, with an empty name
        names.record_found = true;
        names.record_id = 0x06010000;
    } else if (component_id == 0x16015F3E) {
        names.record_found = true;
        names.record_id = component_id;
        names.record_name = "选择框_DX11";
    } else if (component_id == 0x26010005) {  // a menu item is no component
        names.record_found = true;
        names.record_id = component_id;
        names.record_name = "菜单";
    }
    return names;
}

class ErrorText : public testing::Test {
protected:
    void SetUp() override { rt::set_template_name_lookup(lookup); }
    void TearDown() override { rt::set_template_name_lookup(nullptr); }
};

TEST_F(ErrorText, ACodedErrorFromTheProgramLogicNamesNoWindow) {
    const std::string location = rt::compose_location(0x04010001, 12);
    EXPECT_EQ(location, "\r\n67174401, 12\r\n");
    EXPECT_EQ(rt::compose_box_text({rt::coded_error_message(6), 6, 0x04010001, 12}, location),
              "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n\r\n67174401, 12\r\n");
}

TEST_F(ErrorText, CodeZeroWithoutAMessageShowsOnlyTheHeadAndLocation) {
    EXPECT_EQ(rt::compose_box_text({nullptr, 0, 0, 0}, rt::compose_location(0, 0)), "运行时出错!\r\n\r\n0, 0\r\n");
    EXPECT_EQ(rt::compose_box_text({"", 0, -5, -1}, rt::compose_location(-5, -1)), "运行时出错!\r\n\r\n-5, -1\r\n");
}

TEST_F(ErrorText, AWindowIdAddsTheWindowAndComponentNames) {
    const rt::i32 window = static_cast<rt::i32>(0x52010001);
    EXPECT_EQ(rt::compose_location(window, 0x16015F3E),
              "\r\n1375797249, 369188670\r\n\"启动窗口\"\r\n\"选择框_DX11\"\r\n");
    EXPECT_EQ(rt::compose_location(window, 0), "\r\n1375797249, 0\r\n\"启动窗口\"\r\n\"\"\r\n");
    EXPECT_EQ(rt::compose_location(window, 0x16019999), "\r\n1375797249, 369203609\r\n\"启动窗口\"\r\n未找到所指定的窗口组件\r\n");
    EXPECT_EQ(rt::compose_location(window, 0x26010005), "\r\n1375797249, 637599749\r\n\"启动窗口\"\r\n未找到所指定的窗口组件\r\n");
    EXPECT_EQ(rt::compose_location(0x52010002, 0), "\r\n1375797250, 0\r\n未找到所指定的窗口\r\n");
}

TEST(ErrorTable, EveryCodedMessage) {
    EXPECT_STREQ(rt::coded_error_message(0), "");
    EXPECT_STREQ(rt::coded_error_message(1), "数组成员引用下标超出定义范围");
    EXPECT_STREQ(rt::coded_error_message(4), "数组成员引用下标必须大于等于1");
    EXPECT_STREQ(rt::coded_error_message(5), "数据或数组类型不匹配");
    EXPECT_STREQ(rt::coded_error_message(9), "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围");
    EXPECT_STREQ(rt::coded_error_message(11), "所提供参数的数据类型不符合要求");
    EXPECT_STREQ(rt::coded_error_message(12), "");
    EXPECT_STREQ(rt::coded_error_message(-1), "");
}

}  // namespace
