// The tool's own window template, as embedded: the whole window loads, and its
// labels, buttons, group boxes, check boxes and radio buttons come from their stored
// blocks with the captions, colours and ticks the tool expects, and show them.
#include <windows.h>

#include "forms/component_type.h"
#include "tests/components/component_test_program.h"
#include "tuner/main_window_ids.h"

namespace component_test {
namespace {

constexpr u32 kSelectAll = tuner::kSelectAllBox, kPower = tuner::kPowerBox, kLog = tuner::kLogBox,
              kCross = tuner::kCrossBox, kDx11 = tuner::kDx11Box;
constexpr u32 kRestoreButton = tuner::kHomeRestoreButton, kReplaceButton = tuner::kHomeReplaceButton,
              kOptimizeButton = tuner::kOptimizeButton;
constexpr u32 kResultLabel = tuner::kResultLabel, kPromptLabel = tuner::kPromptLabel, kDriveLabel = tuner::kDriveLabel;
constexpr u32 kUsRadio = tuner::kPublisherRadio, kBlankRadio = tuner::kBlankRadio;
constexpr u32 kHomeGroup = tuner::kHomeGroup, kOptimizeGroup = tuner::kOptimizeGroup;

class MainWindowTest : public ComponentTest {
protected:
    void SetUp() override {
        ComponentTest::SetUp();
        install_entry(tool_window());
        ASSERT_TRUE(load());
    }
};

TEST_F(MainWindowTest, EveryComponentOfTheWindowIsLive) {
    const forms::WindowEntry entry = tool_window();
    ASSERT_EQ(entry.table.ids.size(), 18u);
    for (size_t i = 1; i < entry.table.ids.size(); ++i)
        EXPECT_TRUE(IsWindowVisible(component_handle(entry.table.ids[i]))) << hex(entry.table.ids[i]);
}

TEST_F(MainWindowTest, CaptionsAsTheToolWritesThem) {
    const struct {
        u32 id;
        i32 caption;
        const char* text;
    } captions[] = {
        {kPower, 11, "卓越性能电源"},
        {kSelectAll, 11, "以上全选"},
        {kLog, 11, "log文件清除"},
        {kCross, 11, "Cross:提帧"},
        {kDx11, 11, "DX11测试模式 ->"},
        {kRestoreButton, 10, "时光机"},
        {kResultLabel, 8, ""},
        {kPromptLabel, 8, "友情提示：请选择驱动器，再进行操作"},
        {kDriveLabel, 8, "为了加快优化速度，请指定LOL安装盘符：\r\n"},
        {kUsRadio, 11, "美服主页"},
        {kBlankRadio, 11, "空白主页"},
        {kReplaceButton, 10, "确定"},
        {kHomeGroup, 8, "LOL国服主页替换"},
        {kOptimizeButton, 10, "确定"},
        {kOptimizeGroup, 8, "优化相关"},
    };
    for (const auto& c : captions) EXPECT_EQ(read_text(c.id, c.caption), c.text) << hex(c.id);
}

TEST_F(MainWindowTest, ColoursTicksAndContainers) {
    EXPECT_EQ(read(kPromptLabel, 16), 0xFF00FFu);
    EXPECT_EQ(read(kResultLabel, 16), 0u);
    EXPECT_EQ(read(kDriveLabel, 16), 0u);
    EXPECT_EQ(read(kOptimizeGroup, 10), 0xFF0000u);
    EXPECT_EQ(read(kHomeGroup, 10), 0xFF0000u);
    for (u32 box : {kPower, kSelectAll, kLog, kCross, kDx11}) EXPECT_EQ(read(box, 18), 0u) << hex(box);
    EXPECT_EQ(read(kBlankRadio, 18), 1u);
    EXPECT_EQ(read(kUsRadio, 18), 0u);

    for (u32 inside : {kPower, kSelectAll, kLog, kCross, kDx11, kOptimizeButton})
        EXPECT_EQ(GetParent(component_handle(inside)), component_handle(kOptimizeGroup)) << hex(inside);
    for (u32 inside : {kRestoreButton, kReplaceButton, kUsRadio, kBlankRadio})
        EXPECT_EQ(GetParent(component_handle(inside)), component_handle(kHomeGroup)) << hex(inside);
}

TEST_F(MainWindowTest, ShowsThePromptInMagentaAndGroupCaptionsInBlue) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Pixels prompt = on_screen(component_handle(kPromptLabel));
    EXPECT_GT(prompt.count_toward(RGB(255, 0, 255), face), 100);
    for (u32 group : {kOptimizeGroup, kHomeGroup}) {
        const Pixels p = on_screen(component_handle(group));
        EXPECT_GT(p.count_toward(RGB(0, 0, 255), face), 40) << hex(group);
        EXPECT_LT(p.bounds_toward(RGB(0, 0, 255), face).bottom, 16) << hex(group);
    }
    for (u32 black_text : {kDriveLabel, kSelectAll, kUsRadio}) {
        const Pixels p = on_screen(component_handle(black_text));
        EXPECT_GT(p.count_toward(RGB(0, 0, 0), face), 40) << hex(black_text);
        EXPECT_EQ(p.count_toward(RGB(0, 0, 255), face), 0) << hex(black_text);
    }
}

TEST_F(MainWindowTest, ClicksReachTheBoundHandlersAndRadiosStayExclusiveWithinTheirGroup) {
    constexpr i32 kSelectAllSlot = 3, kOptimizeSlot = 7;  // the tool's handler table
    SendMessageW(component_handle(kSelectAll), BM_CLICK, 0, 0);
    EXPECT_EQ(read(kSelectAll, 18), 1u);
    SendMessageW(component_handle(kOptimizeButton), BM_CLICK, 0, 0);
    SendMessageW(component_handle(kUsRadio), BM_CLICK, 0, 0);  // bound to nothing
    EXPECT_EQ(read(kUsRadio, 18), 1u);
    EXPECT_EQ(read(kBlankRadio, 18), 0u);
    std::vector<LoggedEvent> handled;
    for (const LoggedEvent& e : event_log())
        if ((e.component_id >> 16) == 0x1601 && e.event != forms::kEventGotFocus && e.event != forms::kEventLostFocus)
            handled.push_back(e);
    EXPECT_TRUE(events_are(handled, {{slot_event(kSelectAllSlot), kSelectAll},
                                     {slot_event(kOptimizeSlot), kOptimizeButton}}));
}

}  // namespace
}  // namespace component_test
